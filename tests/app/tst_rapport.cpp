// The correction report: formatted lines, width by game, closing and printing.
#include "app/AjouteLigne.h"
#include "app/Menu.h"
#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "app/Windows.h"
#include "platform/Printer.h"
#include "testkit/CupsServer.h"
#include "testkit/Layout.h"
#include "testkit/PdfPages.h"
#include "testkit/Sandbox.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>

using namespace Qt::StringLiterals;
using platform::tw;

namespace {
constexpr int32_t kRouge = 255;
constexpr int32_t kBleu = 0xFF0000;
constexpr int32_t kNoir = 0;

// A line as the reader sees it: its text, then bold, italic, underlined, its size and colour, over the
// whole line, its empty block included.
QString vue(const QTextBlock& block)
{
    QList<QTextCharFormat> formats{block.charFormat()};
    for (const QTextLayout::FormatRange& range : block.textFormats())
        formats << range.format;
    QStringList styles;
    for (const QTextCharFormat& f : formats)
        styles << u"%1%2%3 %4 %5"_s.arg(f.fontWeight() == QFont::Bold ? u"G"_s : u"-"_s, f.fontItalic() ? u"I"_s : u"-"_s,
                                        f.fontUnderline() ? u"S"_s : u"-"_s, QString::number(f.fontPointSize()),
                                        f.foreground().color().name());
    styles.removeDuplicates();
    return block.text() + u" | "_s + styles.join(u" / "_s);
}

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
    std::unique_ptr<testkit::CupsServer> cups;  // made before any look for a printer, started by the first print through it

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
    void initTestCase() { cups = std::make_unique<testkit::CupsServer>(); }
    void init()
    {
        sandbox = std::make_unique<testkit::Sandbox>();
        fake = &sandbox->fake;
    }
    void cleanup() { sandbox.reset(); }
    void cleanupTestCase() { cups.reset(); }

    void linesKeepTheirFormat()
    {
        QTextEdit box;
        AjouteLigne(&box, u"Titre"_s, true, false, true, 12, kRouge);
        AjouteLigne(&box, u"penché"_s, false, true, false, 9, 0x00FF00);
        AjouteLigne(&box, QString(), false, false, false, 10, kBleu);
        AjouteLigne(&box, u"gras seul"_s, true, false, false, 8, 0x336699);
        QStringList lignes;
        for (QTextBlock block = box.document()->firstBlock(); block.isValid(); block = block.next())
            lignes << vue(block);
        QCOMPARE(lignes, (QStringList{u"Titre | G-S 12 #ff0000"_s, u"penché | -I- 9 #00ff00"_s, u" | --- 10 #0000ff"_s,
                                      u"gras seul | G-- 8 #996633"_s /* red in the low byte */, u" | G-- 8 #996633"_s}));
        // The insertion point ends after the last line, with nothing selected.
        QVERIFY(!box.textCursor().hasSelection() && box.textCursor().block().text().isEmpty());
        QCOMPARE(box.textCursor().position(), box.document()->characterCount() - 1);

        // A player's selection does not make the next line land inside the text.
        QTextCursor selection(box.document());
        selection.setPosition(1);
        selection.setPosition(3, QTextCursor::KeepAnchor);
        box.setTextCursor(selection);
        AjouteLigne(&box, u"fin"_s, false, false, false, 10, kNoir);
        QCOMPARE(box.toPlainText(), u"Titre\npenché\n\ngras seul\nfin\n"_s);
        QVERIFY(!box.textCursor().hasSelection());
    }

    // The games whose errors list départements get the wide report; a report opened without the game
    // chooser is narrow. Every text fits its control, and no control leaves the window.
    void widthByGame_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<bool>("large");
        for (const char* g : {"15", "17", "19", "21"})
            QTest::newRow(g) << QString::fromLatin1(g) << true;
        for (const char* g : {"1", "2", "16", "25", "30", "no game chooser"})
            QTest::newRow(g) << QString::fromLatin1(g) << false;
    }
    void widthByGame()
    {
        QFETCH(QString, jeu); QFETCH(bool, large);
        Rapport* report = jeu.size() > 2 ? (win::Rapport.Show(), win::Rapport.ifLoaded()) : showReport(jeu);
        QVERIFY(report->closeBoxRemoved());
        QCOMPARE(report->size(), QSize(tw(large ? 11910 : 7300), tw(6135)));
        QCOMPARE(report->RichTextBox1->width(), tw(large ? 11655 : 7035));
        QCOMPARE(report->Fermer->x(), tw(large ? 10800 : 6060));
        QCOMPARE(testkit::layoutFaults(report), QString());
        testkit::screenshot(report, u"rapport_"_s + jeu);
    }

    // Each button asks first, and "Non" leaves everything as it was; "Fermer" then shows a fresh hub,
    // "Imprimer" prints the report, or only the text the player selected.
    void confirmations_data() { testkit::deuxLignes("fermer", "Imprimer", "Fermer"); }
    void confirmations()
    {
        QFETCH(bool, fermer);
        Rapport* report = showReport(u"1"_s);
        QPushButton* bouton = fermer ? report->Fermer : report->Imprime;
        fake->dialogs.answers = {platform::vbNo};
        bouton->click();
        QCOMPARE(fake->dialogs.shown(), QStringList{fermer ? u"Fermeture demandée [36] Confirmez vous la fermeture de cette page ?"_s
                                                           : u"Impression demandée [36] Confirmez vous l'impression de cette page ?"_s});
        QVERIFY(report->isVisible() && win::Menu.isLoaded() && fake->printer.printed.isEmpty());
        const int hubLoads = win::Sommaire.loadCount();
        bouton->click();
        QCOMPARE(fake->dialogs.boxes.size(), 2);
        if (fermer) {
            QVERIFY(!win::Rapport.isLoaded() && !win::Menu.isLoaded());
            QVERIFY(win::Sommaire.isVisible());
            QCOMPARE(win::Sommaire.loadCount(), hubLoads + 1);
            return;
        }
        QCOMPARE(fake->printer.printed, QStringList{report->RichTextBox1->toPlainText()});
        // The report is read, never edited: what the player types changes nothing that prints.
        const QString rapport = fake->printer.printed.last();
        QTest::keyClicks(report->RichTextBox1, u"ajout"_s);
        for (auto touche : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return})
            QTest::keyClick(report->RichTextBox1, touche);
        QTest::keyClick(report->RichTextBox1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(report->RichTextBox1, Qt::Key_X, Qt::ControlModifier);
        report->RichTextBox1->moveCursor(QTextCursor::End);
        report->Imprime->click();
        QCOMPARE(fake->printer.printed.last(), rapport);
        QVERIFY(report->isVisible());
        QTextCursor cursor = report->RichTextBox1->document()->find(u"Le n° 59"_s);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        report->RichTextBox1->setTextCursor(cursor);
        report->Imprime->click();
        QCOMPARE(fake->printer.printed.last(), u"Le n° 59 était le Nord, vous ne saviez pas"_s);
    }

    void printedPageKeepsTextsAndColours()
    {
        Rapport* report = showReport(u"17"_s);
        const QString pdf = sandbox->folder.filePath(u"rapport.pdf"_s);
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
        const QImage page = renderPdf(pdf, sandbox->folder.path());
        QVERIFY(page.height() > page.width());  // portrait
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
        QCOMPARE((QList<bool>{red > 20, blue > 20, black > 20}), QList<bool>(3, true));

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
        const QString pdf = sandbox->folder.filePath(u"long.pdf"_s);
        platform::PdfPrinter printer(pdf);
        QString error;
        QVERIFY(printer.printDocument(*box.document(), &error) && error.isEmpty());
        // Every line once, none lost or cut at a page break.
        const QString text = testkit::pdfText(pdf);
        for (int i = 1; i <= 150; ++i)
            QCOMPARE(text.count(QRegularExpression(u"Erreur n° %1\\b"_s.arg(i))), 1);
        QVERIFY(text.count(QChar(u'\f')) >= 2);  // form feeds between the pages
    }

    // A print that fails says why, after the confirmation, and the report stays.
    void failedPrintingIsReported_data()
    {
        testkit::colonnes<QString>({"cas", "message"});
        const QString aucune = u"Aucune imprimante n'est disponible sur cet ordinateur.\r\nRien n'a été imprimé."_s;
        QTest::newRow("no printer") << u"fake"_s << aucune;
        QTest::newRow("cannot be written") << u"absent/rapport.pdf"_s << u"Le fichier « %1 » ne peut pas être écrit.\r\nRien n'a été imprimé."_s;
        QTest::newRow("this machine, without printer") << u"real"_s << aucune;
    }
    void failedPrintingIsReported()
    {
        QFETCH(QString, cas); QFETCH(QString, message);
        if (cas == u"real"_s && !QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer: the real one is not used by the tests");
        Rapport* report = showReport(u"1"_s);
        fake->printer.available = cas != u"fake"_s;
        fake->printer.pdfPath = cas.endsWith(u".pdf"_s) ? sandbox->folder.filePath(cas) : QString();
        platform::ScopedSeam<platform::Printer> realPrinter(cas == u"real"_s ? nullptr : &fake->printer);
        report->Imprime->click();
        QCOMPARE(fake->dialogs.shown().value(1), u"Impression impossible [48] "_s + message.arg(fake->printer.pdfPath));
        QVERIFY(report->isVisible());
    }

    // Through the printer of a print server: the report on the queue's paper, in portrait, 2 cm
    // inside the sheet's edges, or inside the border out of the queue's reach where it is wider.
    // Last: once the server runs, its printers are this machine's.
    void printedOnTheQueuesPaper_data()
    {
        QTest::addColumn<int>("file");  // in testkit::testQueues()
        for (int file = 0; file < testkit::testQueues().size(); ++file)
            QTest::newRow(qPrintable(testkit::testQueues()[file].name)) << file;
    }
    void printedOnTheQueuesPaper()
    {
        QFETCH(int, file);
        const testkit::TestQueue queue = testkit::testQueues()[file];
        Rapport* report = showReport(u"17"_s);
        const QString pdf = cups->printThrough(queue, [&] { report->Imprime->click(); });
        QCOMPARE(fake->dialogs.shown().value(1), QString());  // the confirmation only
        QVERIFY2(!pdf.isEmpty(), qPrintable(cups->fault()));

        const QList<testkit::PagePdf> pages = testkit::pagesPdf(pdf);
        QCOMPARE(pages.size(), 1);
        const QSizeF feuille = QPageSize(queue.paper).size(QPageSize::Point);
        QCOMPARE(pages[0].taille.toSize(), feuille.toSize());
        const QMarginsF m = queue.outOfReach;
        const QRectF cadre = QRectF(QPointF(), feuille).marginsRemoved(
            QMarginsF(qMax(m.left(), 20.), qMax(m.top(), 20.), qMax(m.right(), 20.), qMax(m.bottom(), 20.)) * (72 / 25.4));
        QStringList lignes;
        for (const testkit::LignePdf& ligne : pages[0].lignes) {
            lignes << ligne.texte;
            QVERIFY2(cadre.contains(QRectF(ligne.gauche, ligne.haut, ligne.droite - ligne.gauche, ligne.bas - ligne.haut)),
                     qPrintable(ligne.texte));
        }
        QCOMPARE(lignes, report->RichTextBox1->toPlainText().split(u'\n', Qt::SkipEmptyParts));
        // From the frame's top-left corner, inside the text's own small margin.
        const QPointF debut(pages[0].lignes[0].gauche, pages[0].lignes[0].haut);
        QVERIFY(QRectF(cadre.topLeft(), QSizeF(5, 5)).contains(debut));
    }
};

QTEST_MAIN(TestRapport)
#include "tst_rapport.moc"
