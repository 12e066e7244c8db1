#pragma once

#include "Clock.h"
#include "FramePlacement.h"
#include "OneBasedArray.h"

#include <QWidget>
#include <cstdint>

class Announcer;
class AutoLabel;
class QDialog;
class QTabWidget;
class TagButton;
class TChart;
class TDHFr;
class TFastLineSeries;
class THFr;

// The main window: both tab controls with their pages, and the records that the drills share.
class TMainF : public QWidget {
    Q_OBJECT
public:
    explicit TMainF(const Clock &clock = SystemClock::Instance(), QWidget *parent = nullptr);

    // The dialog that a right click on the window's own surface shows; not owned.
    void SetVersionDialog(QDialog *dialog) { versionDialog = dialog; }

    QTabWidget *PgControl1;
    QTabWidget *PgControl2;
    THFr *THFr1;
    TagButton *ExBtn;
    TagButton *ExamBtn;
    AutoLabel *AlarmLbl;
    AutoLabel *TimeLbl;
    AutoLabel *MaxLbl;
    AutoLabel *Max2Lbl;
    AutoLabel *Min2Lbl;
    TagButton *ExamBtn2;
    AutoLabel *AlarmLbl2;
    TChart *Chart1;
    TFastLineSeries *Series1;

public slots:
    void ExBtnClick();
    void ExamBtnClick();
    void ExamBtn2Click();

protected:
    void FormCreate();
    // Tells screen readers what the progress graph shows.
    void DescribeProgress();
    // Turns the explanations to the table of 0 to 15.
    void ShowNumberTable();
    // The title of the explanation page shown.
    QString ShownExplanation() const;
    // Tells screen readers what a press changed, in sentences.
    void Announce(const QStringList &sentences);
    // Shows the version dialog on a right-button press; other buttons do nothing.
    void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);
    void mousePressEvent(QMouseEvent *event) override;
    // The Menu key or Shift+F10 on the window opens the version dialog too.
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

    std::int32_t ExAns = 0;
    TimeValue StartTime = 0;
    TimeValue EndTime = 0;
    double MaxTime = 0; // the fastest all-correct drill, in days; 0 while there is none
    double MinTime = 0; // the slowest all-correct drill, in days; 0 while there is none
    OneBasedArray<std::int32_t, 48> HexAns;
    OneBasedArray<THFr *, 48> HFrs;
    OneBasedArray<std::int32_t, 36> DecHexAns;
    OneBasedArray<TDHFr *, 36> DHFrs;
    std::int32_t ExamCount = 0;

private:
    // A widget of the window by its object name, which is its name in the layout.
    template <typename T> T *Find(const QString &name) const {
        auto *widget = findChild<T *>(name);
        Q_ASSERT_X(widget, "TMainF", qPrintable(name));
        return widget;
    }

    const Clock &clock;
    Announcer *announcer;
    // When the running drill started, on the clock that never jumps.
    std::chrono::steady_clock::time_point steadyStart{};
    QDialog *versionDialog = nullptr;
    FramePlacement placement;
    bool centred = false;
};
