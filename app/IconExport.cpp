// Build-time tool: writes the program icon as a PNG and as an SVG of the same pixels, and for
// Windows as an .ico, so that radixtrek.xpm stays the one drawing of it.

#include "IconSvg.h"

#include <QImage>
#include <QSaveFile>

#include <cstdio>

#include "radixtrek.xpm"

int main(int argc, char *argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s ICON.png ICON.svg [ICON.ico]\n", argv[0]);
        return 2;
    }
    const QImage icon(radixtrek_icon);
    if (icon.isNull()) {
        std::fprintf(stderr, "%s: the XPM icon did not load\n", argv[0]);
        return 1;
    }
    if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    if (argc == 4 && !icon.save(QString::fromLocal8Bit(argv[3]), "ICO")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    QSaveFile svg(QString::fromLocal8Bit(argv[2]));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(IconSvg(icon)) < 0 || !svg.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
