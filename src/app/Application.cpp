#include "app/Application.h"

#include "platform/Fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void PrepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Geomira"));
    QApplication::setQuitOnLastWindowClosed(false);  // the window life cycle decides
    // Numbers follow the user's locale, QLocale's default; Qt's own texts are French whatever it is.
    auto* qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);
    platform::installFontSubstitutions();
}
