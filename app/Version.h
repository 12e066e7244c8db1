#pragma once

#include "FramePlacement.h"

#include <QDialog>
#include <functional>

class AutoLabel;
class QLabel;
class QUrl;

// The modal dialog that names the program and its version and links to the maker's web site.
// One instance lives for the whole run; each showing centres it over its parent window.
class TVersionF : public QDialog {
    Q_OBJECT
public:
    explicit TVersionF(QWidget *parent = nullptr);

    QLabel *Label1;    // the product name, in a fixed box
    AutoLabel *Label2; // the version
    AutoLabel *Label3; // the copyright notice
    AutoLabel *Label4; // the maker
    AutoLabel *Label5; // the maker's web address, the only widget that takes clicks

    // Hands an address to the user's browser; QDesktopServices::openUrl unless replaced (tests
    // record the address instead of starting a browser). Its result is not looked at.
    std::function<bool(const QUrl &)> OpenUrl;

public slots:
    // Opens the maker's web site and closes the dialog.
    void Label5Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    FramePlacement placement;
};
