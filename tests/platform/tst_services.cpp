#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "platform/Sound.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Types the text and the key into the next modal dialog.
void typeLater(const QString& text, Qt::Key key)
{
    QTimer::singleShot(0, [=] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QTest::keyClicks(dialog->focusWidget(), text);
        QTest::keyClick(dialog->focusWidget(), key);
    });
}
} // namespace

class TestServices : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesSpeakFrenchAndReturnThePressedButton_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");  // given; the box shows the program's name without one
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("icon");
        const QStringList ouiNon{u"Non"_s, u"Oui"_s}, ok{u"OK"_s};
        QTest::newRow("question") << 36 << u"Abandon ?"_s << u"Non"_s << int(platform::vbNo) << ouiNon << int(QMessageBox::Question);
        QTest::newRow("yes") << int(platform::vbYesNo) << QString() << u"Oui"_s << int(platform::vbYes) << ouiNon << int(QMessageBox::NoIcon);
        QTest::newRow("critical") << 16 << u"Problème de Résolution"_s << u"OK"_s << int(platform::vbOK) << ok << int(QMessageBox::Critical);
        QTest::newRow("exclamation") << 48 << QString() << u"OK"_s << int(platform::vbOK) << ok << int(QMessageBox::Warning);
        QTest::newRow("information") << 64 << QString() << u"OK"_s << int(platform::vbOK) << ok << int(QMessageBox::Information);
        QTest::newRow("plain") << 0 << QString() << u"OK"_s << int(platform::vbOK) << ok << int(QMessageBox::NoIcon);
        QTest::newRow("cancel") << int(platform::vbYesNoCancel) << QString() << u"Annuler"_s << int(platform::vbCancel)
                                << QStringList{u"Annuler"_s, u"Non"_s, u"Oui"_s} << int(QMessageBox::NoIcon);
    }
    void messageBoxesSpeakFrenchAndReturnThePressedButton()
    {
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(QString, press);
        QFETCH(int, answer);
        QFETCH(QStringList, buttons);
        QFETCH(int, icon);
        // The box's title, icon and buttons (sorted: their order is the desktop's) are recorded, then the button pressed.
        QString shownTitle;
        QMessageBox::Icon shownIcon{};
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            // Wide enough for its title in a bold title bar, with room for the bar's buttons.
            QFont bold = box->font();
            bold.setBold(true);
            QVERIFY(box->width() > QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 80);
            shownTitle = box->windowTitle();
            shownIcon = box->icon();
            QAbstractButton* target = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                seen.append(button->text());
                if (button->text() == press)
                    target = button;
            }
            seen.sort();
            QVERIFY(target);
            target->click();
        });
        QCOMPARE(platform::MsgBox(u"Abandonner ?"_s, style, title), answer);
        QCOMPARE(seen, buttons);
        QCOMPARE(int(shownIcon), icon);
        QCOMPARE(shownTitle, title.isEmpty() ? u"Geomira"_s : title);
    }

    void inputBoxReturnsTextOrEmptyWhenCancelled()
    {
        typeLater(u"Lyon"_s, Qt::Key_Return);
        QCOMPARE(platform::InputBox(u"Ville ?"_s, u"Saisie"_s, QString()), u"Lyon"_s);
        typeLater(QString(), Qt::Key_Escape);
        QCOMPARE(platform::InputBox(u"Ville ?"_s, u"Saisie"_s, u"Paris"_s), QString());
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
        QTest::newRow("sound data 8 bytes short") << wave(16, 108, 100) << false;
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
        // Played or not, a sound never fails nor waits; neither does a missing one.
        for (const QString& sound : {file.fileName(), dir.filePath(u"missing.wav"_s), QString()})
            platform::PlaySound(sound);
        QCoreApplication::processEvents();
    }

    void fileExistsTestsFilesOnly()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"D50.dat"_s);
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        QVERIFY(platform::Fso().FileExists(file));
        QVERIFY(!platform::Fso().FileExists(dir.path()));
        QVERIFY(!platform::Fso().FileExists(dir.filePath(u"R10.dat"_s)));
        platform::setAppPath(dir.path());
        QCOMPARE(platform::appFile(u"D50.dat"_s), file);
        platform::setAppPath(QString());
        QCOMPARE(platform::appPath(), QCoreApplication::applicationDirPath());
    }

    void screenInTwips()
    {
        platform::Screen& screen = platform::Screen::real();
        const QSize pixels = QGuiApplication::primaryScreen()->size();
        QCOMPARE(screen.widthTwips(), pixels.width() * 15);
        QCOMPARE(screen.heightTwips(), pixels.height() * 15);
        QCOMPARE(platform::rectTw(1560, 120, 7935, 7245), QRect(104, 8, 529, 483));

        screen.setMousePointer(platform::vbHourglass);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        screen.setMousePointer(platform::vbDefault);
        QVERIFY(!QApplication::overrideCursor());
    }

    void missingPicturesAreHarmless()
    {
        QVERIFY(platform::LoadPicture(u"/nonexistent/sonsok.bmp"_s).isNull());
        QCOMPARE(platform::storedPicture(u":/nothing/here.gif"_s, QSize(65, 31)).size(), QSize(65, 31));
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
