#pragma once
// Recording fakes of every platform service, installed together for a test.
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Pictures.h"
#include "platform/Printer.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "platform/Sound.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTest>
#include <deque>
#include <vector>
#include <functional>
#include <memory>

namespace testkit {

struct ShownBox {
    QString prompt;
    int style = 0;
    QString title;
};

class FakeDialogs : public platform::Dialogs {
public:
    int msgBox(const QString& prompt, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;

    QList<ShownBox> boxes;                 // every message box shown, in order
    QStringList shown() const;             // the same, each as "title [style] prompt"
    std::deque<int> answers;               // scripted answers; vbOK / vbYes when empty
    std::deque<QString> inputs;            // scripted input-box texts
    std::function<void(const ShownBox&)> onBox;  // runs while the box is "open"

    // With `waits`, a message box really waits, as the real one does: it runs
    // a nested event loop until the test answers it or the program closes it,
    // and onBox runs from inside that loop, where ticks and unloads can come.
    bool waits = false;
    void answer(int result);  // answers the innermost waiting box
    int waiting() const { return int(waiting_.size()); }
    int closedByProgram = 0;  // waiting boxes the program closed

private:
    struct Waiting;
    std::vector<Waiting*> waiting_;
};

class FakeSound : public platform::Sound {
public:
    void play(const QString& path) override { played.append(path); }
    // File names only ("Erreur.wav"), in order.
    QStringList names() const;
    QStringList played;
};

class FakeRandom : public platform::Random {
public:
    double next() override;
    void reseed() override { ++reseeds; }
    std::deque<double> values;  // scripted draws; then an even walk over [0, 1)
    int reseeds = 0;
    int draws = 0;
};

class FakeClock : public platform::Clock {
public:
    QDateTime now() override { return fixed; }
    QDateTime fixed = QDateTime(QDate(2024, 3, 15), QTime(14, 5, 9));
};

class FakeScreen : public platform::Screen {
public:
    int widthTwips() override { return widthPixels * platform::kTwipsPerPixel; }
    int heightTwips() override { return heightPixels * platform::kTwipsPerPixel; }
    void setMousePointer(int pointer) override
    {
        current = pointer;
        pointerHistory.append(pointer);
    }
    int mousePointer() override { return current; }
    int twipsPerPixelX() override { return twipsX; }
    int twipsPerPixelY() override { return twipsY; }
    int widthPixels = 1024;
    int heightPixels = 768;
    int twipsX = platform::kTwipsPerPixel, twipsY = platform::kTwipsPerPixel;
    int current = platform::vbDefault;
    QList<int> pointerHistory;
};

class FakeHelp : public platform::Help {
public:
    void show(QWidget* owner, const QString& chmPath) override
    {
        owners.append(owner);
        paths.append(chmPath);
    }
    QList<QWidget*> owners;
    QStringList paths;
};

class FakePictures : public platform::Pictures {
public:
    QImage load(const QString& path) override;
    QStringList loaded;       // every path asked for
    QStringList missing;      // file names that load as a null picture
};

// Records what is printed (the plain text of each printout) and, when pdfPath
// is set, prints it there through the PDF printer, on `sheet` when set (the
// paper and, as margins, the border out of reach, in portrait). With
// `available` false it fails like a machine without a printer.
class FakePrinter : public platform::Printer {
public:
    QPageLayout paper() override { return sheet.isValid() ? sheet : Printer::paper(); }
    bool print(platform::Printout& printout, QString* error, QPageLayout::Orientation orientation) override;
    QStringList printed;
    QString pdfPath;
    QPageLayout sheet;
    bool available = true;
};

// Installs every fake for its own lifetime and restores the real services after.
class FakePlatform {
public:
    FakePlatform();
    ~FakePlatform();

    FakeDialogs dialogs;
    FakeSound sound;
    FakeRandom random;
    FakeClock clock;
    FakeScreen screen;
    FakeHelp help;
    FakePictures pictures;
    FakePrinter printer;

private:
    platform::ScopedSeam<platform::Dialogs> dialogsSeam_{&dialogs};
    platform::ScopedSeam<platform::Sound> soundSeam_{&sound};
    platform::ScopedSeam<platform::Random> randomSeam_{&random};
    platform::ScopedSeam<platform::Clock> clockSeam_{&clock};
    platform::ScopedSeam<platform::Screen> screenSeam_{&screen};
    platform::ScopedSeam<platform::Help> helpSeam_{&help};
    platform::ScopedSeam<platform::Pictures> picturesSeam_{&pictures};
    platform::ScopedSeam<platform::Printer> printerSeam_{&printer};
};

// Pins the default locale for the running test row: the one its tag names
// after "locale " ("Paris, locale en_US"), French otherwise. For init().
void pinRowLocale();

// Declares data columns of one type.
template <typename T>
void colonnes(std::initializer_list<const char*> noms)
{
    for (const char* nom : noms)
        QTest::addColumn<T>(nom);
}

// One bool column and its two rows, false first.
inline void deuxLignes(const char* colonne, const char* siFaux, const char* siVrai)
{
    QTest::addColumn<bool>(colonne);
    QTest::newRow(siFaux) << false;
    QTest::newRow(siVrai) << true;
}

// Runs the deferred deletions of unloaded windows.
void flushDeletes();

// Saves a picture of the widget (as shown on screen) to the build's screens
// folder when GEOMIRA_SCREENSHOTS names one; returns the path written.
QString screenshot(QWidget* widget, const QString& name);

// The text of a PDF file as pdftotext reads it (layout kept); empty when unreadable.
QString pdfText(const QString& pdfPath);

} // namespace testkit
