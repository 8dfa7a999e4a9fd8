// Start-up to the title window shown: the program's own start-up steps, ending
// as soon as the title window has been painted once.
#include "app/Geomira.h"
#include "app/Windows.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QTimer>

namespace {
class PaintWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    platform::installFontSubstitutions();
    PaintWatcher watcher;
    win::Geomira.Load();
    win::Geomira.window()->installEventFilter(&watcher);
    win::Geomira.Show();
    if (platform::programEnded())
        return 1;
    QTimer::singleShot(10000, qApp, &QCoreApplication::quit);  // never hang
    const int result = QApplication::exec();
    win::UnloadAll();
    return result;
}
