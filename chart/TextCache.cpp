#include "TextCache.h"

#include <QPaintDevice>
#include <QTextLayout>
#include <QTextOption>

QFont TFontTexts::PaintFont(const QFont &font) {
    QFont paintFont = font;
    paintFont.setStyleStrategy(
        QFont::StyleStrategy(paintFont.styleStrategy() | QFont::NoAntialias));
    return paintFont;
}

TFontTexts::TFontTexts(const QFont &font, const QPaintDevice *device)
    : font(device ? QFont(PaintFont(font), device) : PaintFont(font)), metrics(this->font) {}

TFontTexts::TText &TFontTexts::Find(const QString &text) {
    auto found = texts.find(text);
    if (found != texts.end())
        return *found;
    if (texts.size() >= MostTexts)
        texts.clear();
    return *texts.insert(text, TText());
}

int TFontTexts::Width(const QString &text) {
    TText &entry = Find(text);
    if (entry.width < 0)
        entry.width = metrics.horizontalAdvance(text);
    return entry.width;
}

QList<QGlyphRun> TFontTexts::Glyphs(const QString &text) {
    TText &entry = Find(text);
    if (entry.shaped)
        return entry.glyphs;
    // Laid out as the painter lays out a text it draws at a point: one line, left to right.
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(0);
    layout.endLayout();
    if (line.isValid()) {
        const QPointF baseline(0, line.y() + line.ascent());
        entry.glyphs = line.glyphRuns();
        for (QGlyphRun &run : entry.glyphs) {
            QList<QPointF> positions = run.positions();
            for (QPointF &position : positions)
                position -= baseline;
            run.setPositions(positions);
        }
    }
    entry.shaped = true;
    return entry.glyphs;
}

std::shared_ptr<TFontTexts> TTextCache::For(const QFont &font, const QPaintDevice *device) {
    const int dotsPerInch = device ? device->logicalDpiY() : 0;
    for (const TEntry &entry : fonts)
        if (entry.dotsPerInch == dotsPerInch && entry.font == font)
            return entry.texts;
    if (fonts.size() >= MostFonts)
        fonts.clear();
    fonts.push_back({font, dotsPerInch, std::make_shared<TFontTexts>(font, device)});
    return fonts.back().texts;
}
