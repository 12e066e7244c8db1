#include "PageAnnouncement.h"

// A desktop program has no page; its screen readers hear it through the accessibility bridge.
void AnnounceOnPage(const QString &) {}
