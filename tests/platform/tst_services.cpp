#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "platform/Sound.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

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
        // A PCM file of `channels` × `rate` Hz × `bits`, `size` declared bytes of sound, `actual` present.
        auto wave = [](quint16 channels, quint32 rate, quint16 bits, quint32 size = 100, int actual = 100) {
            QByteArray data;
            QDataStream out(&data, QIODevice::WriteOnly);
            out.setByteOrder(QDataStream::LittleEndian);
            const quint16 align = channels * bits / 8;
            out.writeRawData("RIFF\0\0\0\0WAVEfmt ", 16);
            out << quint32(16) << quint16(1) << channels << rate << quint32(rate * align) << align << bits;
            out.writeRawData("data", 4);
            out << size;
            return data + QByteArray(actual, '\2');
        };
        // The file with the little-endian field at `at` replaced.
        auto set = [](QByteArray data, int at, quint32 value, int width = 2) {
            return data.replace(at, width, QByteArray(reinterpret_cast<const char*>(&value), width));
        };
        const QByteArray sound = wave(1, 22050, 16);
        QTest::addColumn<QByteArray>("contents");  // "fifo" and "folder" make those instead of a file
        QTest::addColumn<bool>("plausible");
        QTest::newRow("sound") << sound << true;
        QTest::newRow("8-bit stereo at 8000 Hz") << wave(2, 8000, 8) << true;
        QTest::newRow("stereo at 192000 Hz") << wave(2, 192000, 16) << true;
        QTest::newRow("sound data claiming 4 GB") << wave(1, 22050, 16, 0xFFFFFFFFu) << false;
        QTest::newRow("a chunk reaching past the end") << set(sound, 16, 0x7FFFFFF0u, 4) << false;
        QTest::newRow("sound data 8 bytes short") << wave(1, 22050, 16, 108) << false;
        QTest::newRow("no sound data") << sound.left(36) << false;
        QTest::newRow("not a wave") << QByteArray(sound).replace(0, 4, "RIFX") << false;
        QTest::newRow("larger than any sound of ours") << wave(1, 22050, 16, 9 << 20, 9 << 20) << false;
        QTest::newRow("no format") << QByteArray(sound).replace(12, 4, "fmX ") << false;
        QTest::newRow("format cut short") << set(sound, 16, 14, 4).remove(34, 2) << false;
        QTest::newRow("floating point") << set(sound, 20, 3) << false;
        QTest::newRow("0 channels") << wave(0, 22050, 16) << false;
        QTest::newRow("3 channels") << wave(3, 22050, 16) << false;
        QTest::newRow("65535 channels") << wave(65535, 22050, 8) << false;
        QTest::newRow("0 Hz") << wave(1, 0, 16) << false;
        QTest::newRow("34 Hz") << wave(1, 34, 16) << false;
        QTest::newRow("384000 Hz") << wave(1, 384000, 16) << false;
        QTest::newRow("0 bits") << wave(1, 22050, 0) << false;
        QTest::newRow("12 bits") << wave(1, 22050, 12) << false;
        QTest::newRow("block size unlike the format") << set(set(sound, 32, 4), 28, 88200, 4) << false;
        QTest::newRow("byte rate unlike the format") << set(sound, 28, 22050, 4) << false;
        // Opening a named pipe would wait for a writer for ever.
        QTest::newRow("named pipe") << "fifo"_ba << false;
        QTest::newRow("folder") << "folder"_ba << false;
    }
    void onlyPlausibleWavesArePlayed()
    {
        QFETCH(QByteArray, contents); QFETCH(bool, plausible);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"son.wav"_s));
        if (contents == "fifo")
            QVERIFY(::mkfifo(QFile::encodeName(file.fileName()).constData(), 0600) == 0);
        else if (contents == "folder")
            QVERIFY(QDir(dir.path()).mkdir(u"son.wav"_s));
        else
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
