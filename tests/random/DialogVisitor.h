#pragma once

#include <QObject>
#include <QStringList>

class EventDriver;
class InputSpace;
class ManualClock;
class TProgram;

// Uses the version dialog from inside the loop that runs it modally: whenever it is shown, a few
// random clicks and keys on it and on the main window behind it, then it is closed one of the
// ways a user can. The dialog is closed whatever happened, so that its loop always ends.
class DialogVisitor : public QObject {
    Q_OBJECT
public:
    DialogVisitor(TProgram &program, ManualClock &clock, EventDriver &driver, InputSpace &space);

    int Visits() const { return visits; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Visit();
    // Lets go of the buttons still held from the press that opened the dialog, over the main
    // window, which has the pointer until then.
    void ReleaseButtons();
    void Step();
    void Close();
    // The state that input on the blocked main window must leave alone.
    QString MainWindowState() const;

    TProgram &program;
    ManualClock &clock;
    EventDriver &driver;
    InputSpace &space;
    bool scheduled = false;
    int visits = 0;
    QStringList opened; // the addresses handed to the browser
};
