// The yardstick of bench_startup: a bare Qt window the size of the title window,
// ending as soon as it has been painted once.
#include "PaintWatcher.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PaintWatcher watcher;
    QWidget window;
    window.resize(706, 507);  // the title window's 10590 × 7605 twips
    window.installEventFilter(&watcher);
    window.show();
    QTimer::singleShot(10000, qApp, &QCoreApplication::quit);  // never hang
    return QApplication::exec();
}
