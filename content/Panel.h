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

signals:
    // A left-button press and release, both on the panel.
    void Clicked(Panel *sender);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString caption;
    QColor color;
    bool singleBorder = false;
    bool pressed = false;
};
