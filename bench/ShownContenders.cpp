#include "ChartCases.h"

#include <QApplication>
#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

bool Measured(TLibrary library, int n) {
    // One repaint of Qt Charts at ten million points takes about 10 s of processor time, past
    // the 5 s allowed a case.
    return library != TLibrary::QtCharts || n <= 1000000;
}

TRange FullRange(int n) { return {1, double(std::max(n, 2))}; }

namespace {

std::map<std::tuple<TLibrary, TShape, int>, std::unique_ptr<TContender>> shown;

} // namespace

TContender &ShownContender(TLibrary library, TShape shape, int n) {
    std::unique_ptr<TContender> &contender = shown[{library, shape, n}];
    if (!contender) {
        contender = MakeContender(library);
        contender->Add(Points(shape, n));
        contender->Show(FullRange(n), {0, FourMinutes});
        QApplication::processEvents();
    }
    return *contender;
}

void ForgetShownContenders() { shown.clear(); }

QString CaseName(const QString &kind, const QString &shape, TLibrary library, int n) {
    return QStringLiteral("%1/%2/%3/%4").arg(kind, shape, LibraryName(library)).arg(n);
}
