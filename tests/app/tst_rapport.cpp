// The correction report: formatted lines, width by game, closing and printing.
#include "app/AjouteLigne.h"
#include "app/Menu.h"
#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "app/Windows.h"
#include "platform/FileSystem.h"
#include "platform/Fonts.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "testkit/FakePlatform.h"
#include "testkit/Sandbox.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;
using platform::tw;

namespace {
constexpr int32_t kRouge = 255;
constexpr int32_t kBleu = 0xFF0000;
constexpr int32_t kNoir = 0;

struct Ligne {
    QString text;
    bool bold, italic, underline;
    int size;
    QColor colour;
};

// A report as a game writes it: heading, errors, dated closing line.
void ecritRapport(QTextEdit* box)
{
    AjouteLigne(box, u"Correction de vos erreurs pour ce jeu n° 1 :"_s, true, false, true, 12, kRouge);
    AjouteLigne(box, u"On vous donne le numéro, vous devez trouver le nom du département"_s, false, false, false, 10, kNoir);
    AjouteLigne(box, QString(), false, false, false, 10, kBleu);
    AjouteLigne(box, u"Le n° 2A était la Corse du Sud, vous avez répondu Haute Corse"_s, false, false, false, 10, kBleu);
    AjouteLigne(box, u"Le n° 59 était le Nord, vous ne saviez pas"_s, false, false, false, 10, kBleu);
    AjouteLigne(box, QString(), false, false, false, 8, kNoir);
    AjouteLigne(box, u"Rapport du 15/03/2024 à 14:05:09"_s, false, false, false, 8, kNoir);
}

// The pixels of a printed page, through poppler.
QImage renderPdf(const QString& pdf, const QString& folder)
{
    const QString prefix = QDir(folder).filePath(u"page"_s);
    QProcess process;
    process.start(u"pdftoppm"_s, {u"-r"_s, u"100"_s, u"-png"_s, u"-singlefile"_s, pdf, prefix});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QImage();
    return QImage(prefix + u".png"_s);
}
} // namespace

class TestRapport : public QObject {
    Q_OBJECT

    std::unique_ptr<testkit::Sandbox> sandbox;
    testkit::FakePlatform* fake = nullptr;
    QTemporaryDir* folder = nullptr;

    Rapport* showReport(const QString& jeu)
    {
        win::Menu->Label4->setText(jeu);
        win::Rapport.Load();
        ecritRapport(win::Rapport->RichTextBox1);
        win::Menu.Hide();
        win::Rapport.Show();
        return win::Rapport.ifLoaded();
    }

private slots:
    void initTestCase() { platform::installFontSubstitutions(); }

    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
        folder = &sandbox->folder;
    }
    void cleanup()
    {
        sandbox.reset();
    }

    void linesKeepTheirFormat()
    {
        QTextEdit box;
        AjouteLigne(&box, u"Titre"_s, true, false, true, 12, kRouge);
        AjouteLigne(&box, u"penché"_s, false, true, false, 9, 0x00FF00);
        AjouteLigne(&box, QString(), false, false, false, 10, kBleu);
        AjouteLigne(&box, u"gras seul"_s, true, false, false, 8, 0x336699);
        const QList<Ligne> attendu = {
            {u"Titre"_s, true, false, true, 12, QColor(255, 0, 0)},
            {u"penché"_s, false, true, false, 9, QColor(0, 255, 0)},
            {QString(), false, false, false, 10, QColor(0, 0, 255)},
            {u"gras seul"_s, true, false, false, 8, QColor(0x99, 0x66, 0x33)},  // red in the low byte
        };
        QCOMPARE(box.toPlainText(), u"Titre\npenché\n\ngras seul\n"_s);
        QTextBlock block = box.document()->firstBlock();
        for (const Ligne& ligne : attendu) {
            QCOMPARE(block.text(), ligne.text);
            QList<QTextCharFormat> formats{block.charFormat()};
            for (const QTextLayout::FormatRange& range : block.textFormats())
                formats << range.format;
            for (const QTextCharFormat& f : formats) {
                QCOMPARE(f.fontWeight() == QFont::Bold, ligne.bold);
                QCOMPARE(f.fontItalic(), ligne.italic);
                QCOMPARE(f.fontUnderline(), ligne.underline);
                QCOMPARE(f.fontPointSize(), double(ligne.size));
                QCOMPARE(f.foreground().color(), ligne.colour);
            }
            block = block.next();
        }
        // The insertion point ends after the last line, with nothing selected.
        QVERIFY(!box.textCursor().hasSelection());
        QCOMPARE(box.textCursor().position(), box.document()->characterCount() - 1);
        QCOMPARE(box.textCursor().block().text(), QString());

        // A player's selection does not make the next line land inside the text.
        QTextCursor selection(box.document());
        selection.setPosition(1);
        selection.setPosition(3, QTextCursor::KeepAnchor);
        box.setTextCursor(selection);
        AjouteLigne(&box, u"fin"_s, false, false, false, 10, kNoir);
        QCOMPARE(box.toPlainText(), u"Titre\npenché\n\ngras seul\nfin\n"_s);
        QVERIFY(!box.textCursor().hasSelection());
    }

    void widthByGame_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<bool>("large");
        for (const char* g : {"15", "17", "19", "21"})
            QTest::newRow(g) << QString::fromLatin1(g) << true;
        for (const char* g : {"1", "2", "16", "25", "30"})
            QTest::newRow(g) << QString::fromLatin1(g) << false;
    }
    void widthByGame()
    {
        QFETCH(QString, jeu);
        QFETCH(bool, large);
        Rapport* report = showReport(jeu);
        QVERIFY(report->closeBoxRemoved());
        QCOMPARE(report->width(), tw(large ? 11910 : 7300));
        QCOMPARE(report->RichTextBox1->width(), tw(large ? 11655 : 7035));
        QCOMPARE(report->Fermer->x(), tw(large ? 10800 : 6060));
        QCOMPARE(report->height(), tw(6135));
        // Every button stays inside the window.
        for (QPushButton* button : {report->Imprime, report->aide, report->Fermer})
            QVERIFY(report->rect().contains(button->geometry()));
        testkit::screenshot(report, u"rapport_"_s + jeu);
    }

    void reportAloneIsNarrowAndLeavesTheChooserUnloaded()
    {
        win::Rapport.Load();
        QVERIFY(!win::Menu.isLoaded());
        QCOMPARE(win::Rapport->width(), tw(7300));
    }

    void closing()
    {
        Rapport* report = showReport(u"1"_s);
        fake->dialogs.answers = {platform::vbNo};
        report->Fermer->click();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, u"Confirmez vous la fermeture de cette page ?"_s);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Fermeture demandée"_s);
        QCOMPARE(fake->dialogs.boxes[0].style, 36);
        QVERIFY(report->isVisible());
        QVERIFY(win::Menu.isLoaded());

        const int hubLoads = win::Sommaire.loadCount();
        report->Fermer->click();
        QVERIFY(!win::Rapport.isLoaded());
        QVERIFY(!win::Menu.isLoaded());
        QVERIFY(win::Sommaire.isVisible());
        QCOMPARE(win::Sommaire.loadCount(), hubLoads + 1);
    }

    void eachGameStartsAnEmptyReport()
    {
        for (const char* name : {"F150.dat", "D50.dat", "R10.dat"}) {
            QFile file(folder->filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        showReport(u"1"_s)->Fermer->click();
        QVERIFY(!win::Rapport.isLoaded());
        // The next game: chosen on a fresh chooser, its report starts empty.
        win::Sommaire->Play->click();
        QVERIFY(win::Menu.isVisible());
        QCOMPARE(win::Rapport->RichTextBox1->toPlainText(), QString());
        AjouteLigne(win::Rapport->RichTextBox1, u"Correction de vos erreurs pour ce jeu n° 2 :"_s, true, false, true, 12, kRouge);
        QCOMPARE(win::Rapport->RichTextBox1->toPlainText(), u"Correction de vos erreurs pour ce jeu n° 2 :\n"_s);
    }

    void printing()
    {
        Rapport* report = showReport(u"1"_s);
        fake->dialogs.answers = {platform::vbNo};
        report->Imprime->click();
        QCOMPARE(fake->dialogs.boxes.size(), 1);
        QCOMPARE(fake->dialogs.boxes[0].prompt, u"Confirmez vous l'impression de cette page ?"_s);
        QCOMPARE(fake->dialogs.boxes[0].title, u"Impression demandée"_s);
        QCOMPARE(fake->dialogs.boxes[0].style, 36);
        QVERIFY(fake->printer.printed.isEmpty());

        report->Imprime->click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->printer.printed, QStringList{report->RichTextBox1->toPlainText()});
        QVERIFY(report->isVisible());

        // Only the selected text when the player selected some.
        QTextCursor cursor = report->RichTextBox1->document()->find(u"Le n° 59"_s);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        report->RichTextBox1->setTextCursor(cursor);
        report->Imprime->click();
        QCOMPARE(fake->printer.printed.last(), u"Le n° 59 était le Nord, vous ne saviez pas"_s);
    }

    void printedPageKeepsTextsAndColours()
    {
        Rapport* report = showReport(u"17"_s);
        const QString pdf = folder->filePath(u"rapport.pdf"_s);
        fake->printer.pdfPath = pdf;
        report->Imprime->click();
        QCOMPARE(fake->dialogs.boxes.size(), 1);  // the confirmation only
        const QString text = testkit::pdfText(pdf);
        for (const QString& line : {u"Correction de vos erreurs pour ce jeu n° 1 :"_s,
                                    u"Le n° 2A était la Corse du Sud, vous avez répondu Haute Corse"_s,
                                    u"Rapport du 15/03/2024 à 14:05:09"_s})
            QVERIFY2(text.contains(line), qPrintable(text));
        QVERIFY(text.indexOf(u"Correction"_s) < text.indexOf(u"Le n° 59"_s));

        // Red heading, blue errors, black closing line on the page.
        const QImage page = renderPdf(pdf, folder->path());
        QVERIFY(!page.isNull());
        if (const QString shots = qEnvironmentVariable("GEOMIRA_SCREENSHOTS"); !shots.isEmpty())
            page.save(QDir(shots).filePath(u"rapport_imprime.png"_s));
        int red = 0, blue = 0, black = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                red += c.red() > 180 && c.green() < 90 && c.blue() < 90;
                blue += c.blue() > 180 && c.red() < 90 && c.green() < 90;
                black += c.red() < 100 && c.green() < 100 && c.blue() < 100;
            }
        QVERIFY(red > 20);
        QVERIFY(blue > 20);
        QVERIFY(black > 20);

        // The heading is printed larger and in bold.
        QProcess fonts;
        fonts.start(u"pdffonts"_s, {pdf});
        QVERIFY(fonts.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(fonts.readAllStandardOutput()).contains(u"Bold"_s));
    }

    void longReportGoesOnSeveralPages()
    {
        QTextEdit box;
        for (int i = 1; i <= 150; ++i)
            AjouteLigne(&box, u"Erreur n° %1"_s.arg(i), false, false, false, 10, kBleu);
        const QString pdf = folder->filePath(u"long.pdf"_s);
        platform::PdfPrinter printer(pdf);
        QString error;
        QVERIFY(printer.print(*box.document(), &error));
        QVERIFY(error.isEmpty());
        // Every line once, none lost or cut at a page break.
        const QString text = testkit::pdfText(pdf);
        for (int i = 1; i <= 150; ++i)
            QCOMPARE(text.count(QRegularExpression(u"Erreur n° %1\\b"_s.arg(i))), 1);
        QVERIFY(text.count(QChar(u'\f')) >= 2);  // form feeds between the pages
    }

    void failedPrintingIsReported()
    {
        Rapport* report = showReport(u"1"_s);
        fake->printer.available = false;
        report->Imprime->click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->dialogs.boxes[1].style, 48);
        QVERIFY(fake->dialogs.boxes[1].prompt.contains(u"imprimante"_s));
        QVERIFY(report->isVisible());

        // A print that cannot be written.
        fake->printer.available = true;
        fake->printer.pdfPath = folder->filePath(u"absent/rapport.pdf"_s);
        report->Imprime->click();
        QCOMPARE(fake->dialogs.boxes.size(), 4);
        QCOMPARE(fake->dialogs.boxes[3].style, 48);
        QVERIFY(fake->dialogs.boxes[3].prompt.contains(u"Rien n'a été imprimé."_s));
        QVERIFY(report->isVisible());
    }

    void machineWithoutPrinter()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer: the real one is not used by the tests");
        Rapport* report = showReport(u"1"_s);
        platform::ScopedSeam<platform::Printer> realPrinter(nullptr);
        report->Imprime->click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        QCOMPARE(fake->dialogs.boxes[1].style, 48);
        QCOMPARE(fake->dialogs.boxes[1].prompt,
                 u"Aucune imprimante n'est disponible sur cet ordinateur.\r\nRien n'a été imprimé."_s);
        QVERIFY(report->isVisible());
    }
};

QTEST_MAIN(TestRapport)
#include "tst_rapport.moc"
