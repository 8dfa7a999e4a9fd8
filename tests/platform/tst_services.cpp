#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "platform/Sound.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Presses the button with the given text of the next modal box, recording every button text.
void pressLater(const QString& text, QStringList* seen, QString* title = nullptr, QMessageBox::Icon* icon = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        // Wide enough for its title in a bold title bar, with room for the bar's buttons.
        QFont bold = box->font();
        bold.setBold(true);
        QVERIFY(box->width() > QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 80);
        if (title)
            *title = box->windowTitle();
        if (icon)
            *icon = box->icon();
        QAbstractButton* target = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            seen->append(button->text());
            if (button->text() == text)
                target = button;
        }
        QVERIFY(target);
        target->click();
    });
}
} // namespace

class TestServices : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesSpeakFrenchAndReturnThePressedButton()
    {
        QStringList seen;
        QString title;
        QMessageBox::Icon icon{};
        pressLater(u"Non"_s, &seen, &title, &icon);
        QCOMPARE(platform::MsgBox(u"Abandonner ?"_s, 36, u"Abandon ?"_s), int(platform::vbNo));
        seen.sort();
        QCOMPARE(seen, (QStringList{u"Non"_s, u"Oui"_s}));
        QCOMPARE(title, u"Abandon ?"_s);
        QCOMPARE(icon, QMessageBox::Question);

        seen.clear();
        pressLater(u"Oui"_s, &seen);
        QCOMPARE(platform::MsgBox(u"?"_s, platform::vbYesNo), int(platform::vbYes));

        seen.clear();
        pressLater(u"OK"_s, &seen, &title, &icon);
        QCOMPARE(platform::MsgBox(u"x"_s, 16, u"Problème de Résolution"_s), int(platform::vbOK));
        QCOMPARE(seen, QStringList{u"OK"_s});
        QCOMPARE(icon, QMessageBox::Critical);

        for (const auto& [style, expected] : {std::pair{48, QMessageBox::Warning}, std::pair{64, QMessageBox::Information},
                                              std::pair{0, QMessageBox::NoIcon}}) {
            seen.clear();
            pressLater(u"OK"_s, &seen, &title, &icon);
            platform::MsgBox(u"x"_s, style, QString());
            QCOMPARE(icon, expected);
            QCOMPARE(title, u"Geomira"_s);  // no title given: the program's name
        }

        seen.clear();
        pressLater(u"Annuler"_s, &seen);
        QCOMPARE(platform::MsgBox(u"x"_s, platform::vbYesNoCancel), int(platform::vbCancel));
        seen.sort();  // the order of the buttons is the desktop's
        QCOMPARE(seen, (QStringList{u"Annuler"_s, u"Non"_s, u"Oui"_s}));
    }

    void inputBoxReturnsTextOrEmptyWhenCancelled()
    {
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClicks(dialog->focusWidget(), u"Lyon"_s);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(platform::InputBox(u"Ville ?"_s, u"Saisie"_s, QString()), u"Lyon"_s);
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QCOMPARE(platform::InputBox(u"Ville ?"_s, u"Saisie"_s, u"Paris"_s), QString());
    }

    void soundNeverFailsNorWaits()
    {
        QTemporaryDir dir;
        QFile junk(dir.filePath(u"junk.wav"_s));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a wave file");
        junk.close();
        platform::PlaySound(dir.filePath(u"missing.wav"_s));
        platform::PlaySound(junk.fileName());
        platform::PlaySound(QString());
        QCoreApplication::processEvents();
    }

    void onlyPlausibleWavesArePlayed_data()
    {
        // A PCM header (fmt chunk of 16 bytes) and `size` declared bytes of sound, `actual` present.
        auto wave = [](quint32 fmtSize, quint32 size, int actual, const char* riff = "RIFF") {
            QByteArray data(riff);
            data += QByteArray(4, '\0') + "WAVE" + "fmt ";
            data += QByteArray(reinterpret_cast<const char*>(&fmtSize), 4) + QByteArray(16, '\1');
            data += "data" + QByteArray(reinterpret_cast<const char*>(&size), 4) + QByteArray(actual, '\2');
            return data;
        };
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("plausible");
        QTest::newRow("sound") << wave(16, 100, 100) << true;
        QTest::newRow("sound data claiming 4 GB") << wave(16, 0xFFFFFFFFu, 100) << false;
        QTest::newRow("a chunk reaching past the end") << wave(0x7FFFFFF0u, 100, 100) << false;
        QTest::newRow("no sound data") << wave(16, 100, 100).left(36) << false;
        QTest::newRow("not a wave") << wave(16, 100, 100, "RIFX") << false;
        QTest::newRow("larger than any sound of ours") << wave(16, 9 << 20, 9 << 20) << false;
    }
    void onlyPlausibleWavesArePlayed()
    {
        QFETCH(QByteArray, contents); QFETCH(bool, plausible);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"son.wav"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        QCOMPARE(platform::plausibleWave(file.fileName()), plausible);
    }

    void fileExistsTestsFilesOnly()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(u"D50.dat"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(platform::Fso().FileExists(file.fileName()));
        QVERIFY(!platform::Fso().FileExists(dir.path()));
        QVERIFY(!platform::Fso().FileExists(dir.filePath(u"R10.dat"_s)));
        QCOMPARE(&platform::Fso(), &platform::Fso());

        platform::setAppPath(dir.path());
        QCOMPARE(platform::appFile(u"D50.dat"_s), file.fileName());
        platform::setAppPath(QString());
        QCOMPARE(platform::appPath(), QCoreApplication::applicationDirPath());
    }

    void screenInTwips()
    {
        platform::Screen& screen = platform::Screen::real();
        QCOMPARE(screen.twipsPerPixelX(), 15);
        QCOMPARE(screen.twipsPerPixelY(), 15);
        const QSize pixels = QGuiApplication::primaryScreen()->size();
        QCOMPARE(screen.widthTwips(), pixels.width() * 15);
        QCOMPARE(screen.heightTwips(), pixels.height() * 15);
        QCOMPARE(platform::tw(7935), 529);
        QCOMPARE(platform::tw(255), 17);
        QCOMPARE(platform::rectTw(1560, 120, 7935, 7245), QRect(104, 8, 529, 483));

        screen.setMousePointer(platform::vbHourglass);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        screen.setMousePointer(platform::vbDefault);
        QVERIFY(!QApplication::overrideCursor());
    }

    void missingPicturesAreHarmless()
    {
        QVERIFY(platform::LoadPicture(u"/nonexistent/sonsok.bmp"_s).isNull());
        const QPixmap stand = platform::storedPicture(u":/nothing/here.gif"_s, QSize(65, 31));
        QCOMPARE(stand.size(), QSize(65, 31));
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
