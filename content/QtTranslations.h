#pragma once

// Makes the texts that Qt itself supplies (context menus, key names, accessibility action
// names) Japanese, whatever the desktop's language: the program speaks only Japanese. Without
// the translation files installed Qt's own English stays.
void InstallQtTranslations();
