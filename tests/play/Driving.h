#pragma once
// Driving the whole program from its own event loop, as a player would: an
// application folder of its own, the hub, a game chosen in the chooser, the
// message boxes answered.
#include "app/Menu.h"
#include "app/Sommaire.h"
#include "app/Windows.h"
#include "quiz/CarteDep.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

namespace driving {

inline bool hubShown() { return win::Sommaire.isVisible() && !win::CarteDep.isLoaded() && !win::Menu.isLoaded(); }

// Copies the application folder but its data files, which the first launch unpacks.
inline void copyWithoutData(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).path());
        if (!target.endsWith(QLatin1String(".dat")))
            QFile::copy(file, target);
    }
}

// In the game chooser: a game of one question, at a level (0 easy, 1 hard),
// with a time limit in seconds, then "Jouer !".
inline void chooseGame(int game, int level, int seconds)
{
    Menu* menu = win::Menu.ifLoaded();
    menu->ListView1->setCurrentItem(menu->ListView1->topLevelItem(game - 1));
    menu->ListView1_Click();
    menu->Niveau[level]->click();
    menu->Tps[1]->click();
    menu->Sec->setText(QString::number(seconds));
    menu->NbQuest[0]->click();
    menu->ListNbQ->setCurrentIndex(0);
    menu->JoueOK->click();
}

// The same from the hub; the first launch's box may come first, for the boxes' answerer.
inline void playGame(int game, int level, int seconds)
{
    win::Sommaire->Play->click();
    QTimer::singleShot(0, [=] {
        if (win::Menu.isVisible())
            chooseGame(game, level, seconds);
    });
}

// Answers every message box with its first button once it has been open for a while.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(int holdMs) : holdMs_(holdMs)
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != box_) {
                box_ = box;
                since_.start();
            } else if (box && since_.elapsed() >= holdMs_) {
                box->buttons().first()->click();
            }
        });
        timer_.start(20);
    }

private:
    int holdMs_;
    QTimer timer_;
    QPointer<QMessageBox> box_;
    QElapsedTimer since_;
};

} // namespace driving
