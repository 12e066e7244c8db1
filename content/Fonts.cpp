#include "Fonts.h"

#include <QWidget>

QFont MakeFont(const FontSpec &style) {
    QFont font(style.family);
    font.setPixelSize(style.pixelSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    // The IPA fonts hold every character the program shows, so no other font need be searched
    // for missing ones; looking up such fallbacks is the dearest part of loading a font.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

void InstallFontSubstitutions() {
    struct StandIn {
        const char16_t *windowsFont;
        const char16_t *ipaFont;
        const char *file;
    };
    constexpr StandIn standIns[] = {
        {u"MS UI Gothic", u"IPAPGothic", "ipagp.ttf"},
        {u"ＭＳ Ｐゴシック", u"IPAPGothic", "ipagp.ttf"},
        {u"ＭＳ ゴシック", u"IPAGothic", "ipag.ttf"},
        {u"ＭＳ 明朝", u"IPAMincho", "ipam.ttf"},
        {u"ＭＳ Ｐ明朝", u"IPAPMincho", "ipamp.ttf"},
    };
    for (const StandIn &font : standIns) {
        const QString windowsFont = QString::fromUtf16(font.windowsFont);
        if (HasOwnFont(windowsFont))
            continue;
        const QString ipaFont = QString::fromUtf16(font.ipaFont);
        if (!HasOwnFont(ipaFont))
            LoadStandInFont(QLatin1String(font.file));
        QFont::insertSubstitution(windowsFont, ipaFont);
    }
    StandInForSystemFont();
}

void ApplyFont(QWidget *widget, const FontSpec &style) {
    widget->setFont(MakeFont(style));
    if (style.color.isValid()) {
        QPalette colours = widget->palette();
        colours.setColor(QPalette::WindowText, style.color);
        widget->setPalette(colours);
    }
}
