#include "PageAnnouncement.h"

#include <emscripten.h>

// The page's element with the id "announcements" is a live region. Its text is emptied first,
// so that the same sentence twice in a row is said twice.
// clang-format off
EM_JS(void, SayInLiveRegion, (const char *sentence), {
    const region = document.getElementById("announcements");
    if (!region)
        return;
    region.textContent = "";
    region.textContent = UTF8ToString(sentence);
});
// clang-format on

void AnnounceOnPage(const QString &sentence) { SayInLiveRegion(sentence.toUtf8().constData()); }
