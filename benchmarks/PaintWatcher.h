#pragma once
// Ends the application as soon as the watched window has been painted once.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

class PaintWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};
