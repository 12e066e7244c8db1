#include "IconSvg.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "radixtrek.xpm"

namespace {

struct SvgDrawing {
    QString viewBox;
    QString shapeRendering;
    QImage image;
    int overlaps = 0;
    int outside = 0;
};

// Paints the SVG's rects back into pixels, as a renderer with crisp edges would, counting the
// pixels painted twice and those outside the view box.
SvgDrawing Redraw(const QByteArray &svg) {
    SvgDrawing drawing;
    QImage painted;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == QLatin1String("svg")) {
            drawing.viewBox = attributes.value("viewBox").toString();
            drawing.shapeRendering = attributes.value("shape-rendering").toString();
            const QStringList box = drawing.viewBox.split(' ');
            if (box.size() == 4) {
                drawing.image = QImage(box[2].toInt(), box[3].toInt(), QImage::Format_ARGB32);
                drawing.image.fill(Qt::transparent);
                painted = QImage(drawing.image.size(), QImage::Format_Grayscale8);
                painted.fill(0);
            }
            continue;
        }
        if (reader.name() != QLatin1String("rect"))
            continue;
        const int x = attributes.value("x").toInt();
        const int y = attributes.value("y").toInt();
        const int width = attributes.value("width").toInt();
        const int height = attributes.value("height").toInt();
        QColor colour(attributes.value("fill").toString());
        if (attributes.hasAttribute("fill-opacity"))
            colour.setAlpha(qRound(attributes.value("fill-opacity").toDouble() * 255));
        for (int row = y; row < y + height; ++row)
            for (int column = x; column < x + width; ++column) {
                if (!drawing.image.valid(column, row)) {
                    ++drawing.outside;
                    continue;
                }
                if (painted.pixelIndex(column, row) != 0)
                    ++drawing.overlaps;
                painted.setPixel(column, row, 1);
                drawing.image.setPixel(column, row, colour.rgba());
            }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return drawing;
}

TEST(IconSvgTest, DrawsTheProgramIconPixelForPixelInItsOwnGrid) {
    const QImage icon = QImage(radixtrek_icon).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));

    const SvgDrawing drawing = Redraw(IconSvg(icon));
    EXPECT_EQ(drawing.viewBox, "0 0 32 32");
    EXPECT_EQ(drawing.shapeRendering, "crispEdges");
    EXPECT_EQ(drawing.overlaps, 0);
    EXPECT_EQ(drawing.outside, 0);
    ASSERT_EQ(drawing.image.size(), icon.size());
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            ASSERT_EQ(drawing.image.pixel(x, y), icon.pixel(x, y)) << "at " << x << ", " << y;
}

TEST(IconSvgTest, LeavesOutTransparentPixelsAndKeepsPartialOpacity) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    image.setPixel(2, 0, qRgba(255, 0, 0, 255));
    image.setPixel(0, 1, qRgba(0, 0, 128, 128));
    image.setPixel(1, 1, qRgba(0, 0, 128, 128));
    image.setPixel(2, 1, qRgba(0, 0, 128, 1));

    const QByteArray svg = IconSvg(image);
    const SvgDrawing drawing = Redraw(svg);
    EXPECT_EQ(drawing.viewBox, "0 0 3 2");
    EXPECT_EQ(drawing.overlaps, 0);
    EXPECT_EQ(drawing.outside, 0);
    EXPECT_EQ(svg.count("<rect"), 4) << "the gap splits the red run; the blue ones differ";
    ASSERT_EQ(drawing.image.size(), image.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            EXPECT_EQ(drawing.image.pixel(x, y), image.pixel(x, y)) << "at " << x << ", " << y;
}

} // namespace
