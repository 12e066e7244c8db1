#pragma once

#include <QLabel>

// A single-line label that sizes itself to its text, keeping its left edge in place (or its
// right edge, when right-aligned).
//
// Measuring a text loads its font, the dearest step of start-up, so a label that is not shown
// is fitted only when it is first shown (or when EnsureFitted asks for it); a shown label is
// fitted at once.
class AutoLabel : public QLabel {
    Q_OBJECT
public:
    explicit AutoLabel(QWidget *parent = nullptr, Qt::Alignment anchor = Qt::AlignLeft);

    void SetCaption(const QString &text);
    void SetFontColor(const QColor &color);
    // The stand-in fonts set some texts wider than the fonts the layout was drawn with; such
    // a text is squeezed horizontally to the width the layout gives it, so that it keeps its
    // distance from its neighbours. Narrower texts stay as they are.
    void SqueezeInto(int layoutWidth);
    // Brings the size up to date with the text now, shown or not.
    void EnsureFitted();
    // Where the text stands: the label's box in the layout. The widget reaches beyond it where
    // the text's ink does.
    QRect TextBox() const { return geometry().marginsRemoved(contentsMargins()); }
    // A message line: screen readers take it for an alert and speak its text when it changes.
    bool IsAlert() const { return alert; }
    void SetAlert(bool on) { alert = on; }
    // Tells screen readers that the message line says something new.
    void RaiseAlert();

signals:
    // After every alert raised, for whoever follows the line's messages.
    void AlertRaised();

protected:
    bool event(QEvent *event) override;

private:
    void FitToText();
    // How far the text's ink reaches beyond the box that the font's metrics give it.
    QMargins InkOverhang() const;
    void Squeeze();
    void FitWhenShown();

    Qt::Alignment anchor;
    bool fitPending = false;
    int squeezeWidth = 0;
    bool alert = false;
};
