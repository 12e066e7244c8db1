// Build-time tool: writes the program icon as a PNG and as an SVG of the same pixels, and for
// Windows as an .ico, so that radixtrek.xpm stays the one drawing of it. The PNG may be drawn
// larger (--size N), each pixel a square block, for a web page's home-screen icons.

#include "IconSvg.h"

#include <QImage>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "radixtrek.xpm"

int main(int argc, char *argv[]) {
    const char *program = argv[0];
    int size = 0;
    if (argc >= 3 && std::strcmp(argv[1], "--size") == 0) {
        size = std::atoi(argv[2]);
        argc -= 2;
        argv += 2;
    }
    if ((argc != 3 && argc != 4) || size < 0 || size > 4096) {
        std::fprintf(stderr, "usage: %s [--size N] ICON.png ICON.svg [ICON.ico]\n", program);
        return 2;
    }
    const QImage icon(radixtrek_icon);
    if (icon.isNull()) {
        std::fprintf(stderr, "%s: the XPM icon did not load\n", program);
        return 1;
    }
    const QImage png =
        size ? icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation) : icon;
    if (!png.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", program, argv[1]);
        return 1;
    }
    if (argc == 4 && !icon.save(QString::fromLocal8Bit(argv[3]), "ICO")) {
        std::fprintf(stderr, "%s: cannot write %s\n", program, argv[3]);
        return 1;
    }
    QSaveFile svg(QString::fromLocal8Bit(argv[2]));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(IconSvg(icon)) < 0 || !svg.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", program, argv[2]);
        return 1;
    }
    return 0;
}
