#pragma once

#include <QColor>
#include <QWidget>

// A flat panel with a centred caption, a background colour, an optional single-pixel border,
// an integer tag and a click event.
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget *parent = nullptr);

    QString Caption() const { return caption; }
    void SetCaption(const QString &text);
    QColor Color() const { return color; }
    void SetColor(const QColor &value);
    bool SingleBorder() const { return singleBorder; }
    void SetSingleBorder(bool on);

    int Tag = 0;

    // A panel that stands for an on/off choice held in its tag: screen readers find a check
    // box, checked while the tag is not 0, that they can toggle like a click.
    bool Checkable() const { return checkable; }
    void SetCheckable(bool on) { checkable = on; }
    // Tells screen readers that the tag of a checkable panel has changed.
    void AnnounceChecked();
    // Gives the panel a new identity for screen readers, which then read it afresh when asked:
    // for a change that needs no word at once, made to many panels together.
    void RenewAccessibleIdentity();
    // What screen readers call the panel, in place of its caption. A change is not told to
    // them: whoever changes it gives the panel a new identity, once for all its changes.
    QString SpokenName() const { return spokenName; }
    void SetSpokenName(const QString &text) { spokenName = text; }
    // The verdict on a judged panel, which screen readers read as its description. A verdict
    // given is told to them at once; one taken away, as a new drill takes away a hundred at
    // once, is not, like a change of the spoken name.
    QString Verdict() const { return verdict; }
    void SetVerdict(const QString &text);

    // What a click does, without the mouse.
    void Click() { emit Clicked(this); }

signals:
    // A left-button press and release, both on the panel; a double click is two clicks.
    void Clicked(Panel *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString caption;
    QString spokenName;
    QString verdict;
    QColor color;
    bool singleBorder = false;
    bool pressed = false;
    bool checkable = false;
};
