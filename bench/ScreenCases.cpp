// What a user waits for after a change: each contender's repaint of its shown window, with the
// same points, size and visible content for all.
#include "ChartCases.h"

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

enum class TCase { Full, ZoomStart, ZoomMiddle, ZoomEnd, OneNotch, ThreeNotches };

struct TCaseName {
    TCase Kind;
    const char *Name;
};

constexpr TCaseName Cases[] = {{TCase::Full, "Full"},
                               {TCase::ZoomStart, "ZoomStart"},
                               {TCase::ZoomMiddle, "ZoomMiddle"},
                               {TCase::ZoomEnd, "ZoomEnd"},
                               {TCase::OneNotch, "OneNotch"},
                               {TCase::ThreeNotches, "ThreeNotches"}};

QString CaseKind(TCase kind) {
    for (const TCaseName &c : Cases)
        if (c.Kind == kind)
            return QString::fromLatin1(c.Name);
    return {};
}

// The x range a case shows: all points, or 1 % of their range at its start, middle or end.
TRange ShownX(TCase kind, int n) {
    const TRange all = FullRange(n);
    const double width = (all.High - all.Low) / 100;
    switch (kind) {
    case TCase::ZoomStart:
        return {all.Low, all.Low + width};
    case TCase::ZoomMiddle: {
        const double middle = (all.Low + all.High) / 2;
        return {middle - width / 2, middle + width / 2};
    }
    case TCase::ZoomEnd:
        return {all.High - width, all.High};
    default:
        return all;
    }
}

int NotchesOf(TCase kind) {
    return kind == TCase::OneNotch ? 1 : kind == TCase::ThreeNotches ? 3 : 0;
}

// Counts the paint events a widget receives.
class TPaintCounter : public QObject {
public:
    explicit TPaintCounter(QWidget &widget) : widget(widget) { widget.installEventFilter(this); }
    ~TPaintCounter() override { widget.removeEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        Count += event->type() == QEvent::Paint;
        return false;
    }

private:
    QWidget &widget;
};

QImage Picture(TContender &contender) {
    return contender.Painted().window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool HasRed(const QImage &image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0))
                return true;
    return false;
}

// The change a case makes, over and over: the view alternates between two x ranges that
// differ by 1e-7 of their width, which no pixel shows but which every library must take as a
// change; the wheel alternates between turns away and towards the user. Then the events the
// change left waiting are handled, so that any repaint put off is timed too.
void RunScreenCase(benchmark::State &state, TLibrary library, TShape shape, int n, TCase kind) {
    TContender &contender = ShownContender(library, shape, n);
    const TRange x = ShownX(kind, n);
    const TRange nudged{x.Low, x.High + (x.High - x.Low) * 1e-7};
    const TRange minutes{0, FourMinutes};
    contender.Show(x, minutes);
    QApplication::processEvents();
    if (n > 0 && !HasRed(Picture(contender))) {
        state.SkipWithError("no line drawn");
        return;
    }
    const int notches = NotchesOf(kind);
    TPaintCounter paints(contender.Painted());
    bool away = false;
    for (auto _ : state) {
        away = !away;
        if (notches > 0)
            contender.Wheel(away ? notches : -notches);
        else
            contender.Show(away ? nudged : x, minutes);
        QApplication::processEvents();
    }
    state.counters["paints"] = double(paints.Count) / double(state.iterations());
}

void Register(const QString &name, TLibrary library, TShape shape, int n, TCase kind) {
    benchmark::RegisterBenchmark(
        name.toStdString().c_str(),
        [=](benchmark::State &state) { RunScreenCase(state, library, shape, n, kind); })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime()
        ->MinTime(0.2);
}

} // namespace

void RegisterScreenCases() {
    for (TLibrary library : Libraries)
        Register(CaseName(QStringLiteral("Empty"), QStringLiteral("None"), library, 0), library,
                 TShape::Noise, 0, TCase::Full);
    for (int n : Sizes)
        for (const TCaseName &c : Cases)
            for (TShape shape : Shapes)
                for (TLibrary library : Libraries)
                    if (Measured(library, n))
                        Register(
                            CaseName(QString::fromLatin1(c.Name), ShapeName(shape), library, n),
                            library, shape, n, c.Kind);
}

void SavePictures(const QString &folder) {
    QDir().mkpath(folder);
    constexpr int n = 1000;
    for (TCase kind : {TCase::Full, TCase::ZoomMiddle})
        for (TLibrary library : Libraries) {
            TContender &contender = ShownContender(library, TShape::Walk, n);
            contender.Show(ShownX(kind, n), {0, FourMinutes});
            QApplication::processEvents();
            Picture(contender).save(QDir(folder).filePath(
                CaseKind(kind) + QLatin1Char('-') + LibraryName(library) + QStringLiteral(".png")));
        }
}
