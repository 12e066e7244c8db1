#pragma once

#include <QObject>

// Keeps the keypad's review keys away from the program while a screen reader runs. The screen
// reader takes those keys for itself, but when it answers late the toolkit hands them on, and
// the arrows, page keys and Enter of a keypad without Num Lock would then move the focus or
// turn a page. Digits typed on the keypad with Num Lock on still reach the answer fields.
class ReviewKeyFilter : public QObject {
    Q_OBJECT
public:
    // Filters every key of the application for as long as owner lives.
    explicit ReviewKeyFilter(QObject *owner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
