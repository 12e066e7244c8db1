#pragma once

#include "Colours.h"

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// A font as the layout tables name it: a family, a character height in pixels and a style.
struct FontSpec {
    QString family;
    int pixelSize;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = {}; // invalid: the system window-text colour
};

inline const FontSpec WindowFont{"MS UI Gothic", 13};
inline const FontSpec HeadingFont{"MS UI Gothic", 16, true};
inline const FontSpec AlarmFont{"MS UI Gothic", 13, true, false, false, WrongColour};
inline const FontSpec Gothic16{"MS UI Gothic", 16};
inline const FontSpec Mincho13{"ＭＳ 明朝", 13};

QFont MakeFont(const FontSpec &style);
// Gives the widget the font, and its text colour when the font names one.
void ApplyFont(QWidget *widget, const FontSpec &style);

// The layout names Windows fonts; the metric-compatible IPA fonts stand in for those that the
// system lacks.
void InstallFontSubstitutions();

// Each platform in its own file: whether the system has the layout's font itself, and how an
// IPA font file (ipag.ttf, …) becomes available when it does not.
bool HasOwnFont(const QString &family);
void LoadStandInFont(const QString &file);
// Qt's own menus and title bars draw with the platform's user-interface font; where the platform
// lacks one (the browser, where the program carries no fonts but the IPA ones), the stand-in for
// the layout's user-interface font takes its place.
void StandInForSystemFont();
