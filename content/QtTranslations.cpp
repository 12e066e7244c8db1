#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallQtTranslations() {
    auto *translator = new QTranslator(QCoreApplication::instance());
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    const QString qtbase = QStringLiteral("qtbase");
    const QString separator = QStringLiteral("_");
    // Qt's own folder, or, where there is none (the browser), the copy built into the program.
    if (translator->load(japanese, qtbase, separator,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        translator->load(japanese, qtbase, separator, QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
