#include "GuardedApplication.h"
#include "TestMain.h"

namespace {

QtMessageHandler passOn = nullptr;

// The headless platform says so each time a context menu opens; that is no news in a test.
void DropPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        passOn(type, context, text);
}

} // namespace

int main(int argc, char *argv[]) {
    passOn = qInstallMessageHandler(DropPlatformNotes);
    return RunTests<GuardedApplication>(argc, argv);
}
