#pragma once

#include <QString>

// Where the program runs inside a web page, the page's own live region says the sentence too, so
// that the browser's screen reader hears it; elsewhere this does nothing.
void AnnounceOnPage(const QString &sentence);
