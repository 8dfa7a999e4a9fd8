// Geomira: learning the départements and régions of France.
#include "app/Windows.h"
#include "app/Geomira.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Geomira"));
    QApplication::setQuitOnLastWindowClosed(false);  // the window life cycle decides
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    platform::installFontSubstitutions();

    win::Geomira.Show();
    if (platform::programEnded())
        return 0;
    return QApplication::exec();
}
