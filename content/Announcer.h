#pragma once

#include <QWidget>

// Says a sentence to a screen reader, whatever has the focus: after a button press, what the
// press changed; after a click on a bit cell, its new value. Screen readers present a
// notification when it appears, while they leave most other changes of objects without the
// focus unspoken. It takes no room on the screen and draws nothing. An announcement comes after
// the changes it tells of.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    void Announce(const QString &sentence);
    const QString &LastSentence() const { return sentence; }

    // The announcer of the window that widget is in, or nullptr when it has none.
    static Announcer *Of(const QWidget *widget);

private:
    QString sentence;
};
