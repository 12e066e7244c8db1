#pragma once

// Sets up the application object: its name, look and icon. Call once, right after the
// QApplication exists.
void SetUpApplication();
