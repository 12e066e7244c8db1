#pragma once

#include <QApplication>
#include <QStringList>

// An application that catches whatever an event handler lets escape, so that a test can name
// the input that caused it instead of the process ending in std::terminate.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // What escaped since the last call, one line each, oldest first.
    QStringList TakeEscaped();

    // The running application, or nullptr when the program runs another kind.
    static GuardedApplication *Instance();

private:
    void Record(QObject *receiver, const QEvent *event, const QString &what);

    QStringList escaped;
};
