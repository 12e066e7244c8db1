#include "main.h"
#include "StartUp.h"
#include "Version.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    SetUpApplication();

    TMainF MainF;
    TVersionF VersionF(&MainF);
    MainF.SetVersionDialog(&VersionF);

    MainF.show();
    return QApplication::exec();
}
