#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

class QPaintDevice;

// What drawing text in one font at one resolution has found out, kept from paint to paint: the
// font as the canvas writes with it, its metrics, and for each text its width and its glyphs.
// A chart writes the same few dozen texts on every paint; shaping them is most of the cost of
// a paint with few points.
class TFontTexts {
public:
    // The font as the canvas writes text with it: without smoothing.
    static QFont PaintFont(const QFont &font);

    TFontTexts(const QFont &font, const QPaintDevice *device);

    const QFont &Font() const { return font; }
    const QFontMetrics &Metrics() const { return metrics; }
    int Width(const QString &text);
    // The glyphs of a one-line text placed as QPainter::drawText places them, relative to the
    // start of the baseline.
    QList<QGlyphRun> Glyphs(const QString &text);

private:
    struct TText {
        int width = -1;
        bool shaped = false;
        QList<QGlyphRun> glyphs;
    };
    TText &Find(const QString &text);

    // Labels of a scrolled axis are new texts on every paint; past this many the texts start
    // afresh rather than grow without end.
    static constexpr qsizetype MostTexts = 1024;

    QFont font; // the paint font at the device's resolution
    QFontMetrics metrics;
    QHash<QString, TText> texts;
};

// The fonts a canvas has written with, each with its texts.
class TTextCache {
public:
    std::shared_ptr<TFontTexts> For(const QFont &font, const QPaintDevice *device);

private:
    struct TEntry {
        QFont font;
        int dotsPerInch; // 0: no device
        std::shared_ptr<TFontTexts> texts;
    };
    // A chart uses a handful of fonts; past this many the cache starts afresh.
    static constexpr std::size_t MostFonts = 16;

    std::vector<TEntry> fonts;
};
