#include "FirstFrameProbe.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

// How long the window sits without input before its memory is read.
constexpr int IdleMilliseconds = 400;

long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The first paint event of the window starts the report. A paint of the window is followed in
// the same pass by its children's and the flush to the screen, so the report is queued behind
// them.
class TFirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, this, [] {
                std::puts("first-frame");
                std::fflush(stdout);
                QTimer::singleShot(IdleMilliseconds, [] {
                    std::printf("idle-rss-kib %ld\n", ResidentKiB());
                    std::fflush(stdout);
                    QApplication::quit();
                });
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen = false;
};

} // namespace

int ShowAndReport(QWidget &window) {
    TFirstPaintWatch watch;
    window.installEventFilter(&watch);
    window.show();
    return QApplication::exec();
}
