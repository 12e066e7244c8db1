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
    QFont::insertSubstitution(QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
}

void ApplyFont(QWidget *widget, const FontSpec &style) {
    widget->setFont(MakeFont(style));
    if (style.color.isValid()) {
        QPalette colours = widget->palette();
        colours.setColor(QPalette::WindowText, style.color);
        widget->setPalette(colours);
    }
}
