// The help viewer over the compiled help file, and the help file the build produces.
#include "platform/ChmFile.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/HelpViewer.h"
#include "platform/Seam.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>
#include <QtTest>

using namespace platform;

namespace {

struct RecordingDialogs final : Dialogs {
    struct Box {
        QString prompt;
        int style;
        QString title;
    };
    QList<Box> boxes;
    int msgBox(const QString& prompt, int style, const QString& title) override
    {
        boxes.append({prompt, style, title});
        return vbOK;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
};

QList<HelpViewer*> helpWindows()
{
    QList<HelpViewer*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* viewer = qobject_cast<HelpViewer*>(w))
            found.append(viewer);
    return found;
}

QString helpFile()
{
    return qEnvironmentVariable("GEOMIRA_APP_DIR") + QStringLiteral("/help/Geomira.chm");
}

QString text(const ChmFile& chm, const QString& path)
{
    const std::optional<QByteArray> bytes = chm.read(path);
    return bytes ? QString::fromUtf8(*bytes) : QString();
}

// The link targets of a page, as written in its anchors.
QStringList hrefs(const QString& html)
{
    static const QRegularExpression href(QStringLiteral("<a\\s[^>]*href\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList links;
    for (auto it = href.globalMatch(html); it.hasNext();)
        links.append(it.next().captured(1));
    return links;
}

// The href of the first anchor of the shown document whose target contains `part`.
QString anchorIn(const QTextDocument* doc, const QString& part)
{
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (href.contains(part))
                return href;
        }
    return {};
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        qDeleteAll(helpWindows());
    }

    // The file the build compiles: topic, title, contents, accents, and every link.
    void generatedFileIsComplete()
    {
        const std::unique_ptr<ChmFile> chm = ChmFile::open(helpFile());
        QVERIFY2(chm, qPrintable(helpFile()));
        QCOMPARE(chm->defaultTopic(), QStringLiteral("/index.html"));
        QCOMPARE(chm->title(), QStringLiteral("Aide de Geomira"));
        QVERIFY(text(*chm, chm->defaultTopic()).contains(QStringLiteral("Bienvenue dans Geomira")));
        QVERIFY(text(*chm, QStringLiteral("liste-jeux.html")).contains(QStringLiteral("Blason d'une région")));
        QVERIFY(!chm->read(QStringLiteral("/absent.html")));

        const QList<ChmFile::ContentsEntry> contents = chm->contents();
        QVERIFY(contents.size() >= 8);
        QCOMPARE(contents.first().name, QStringLiteral("Bienvenue dans Geomira"));
        QCOMPARE(contents.first().depth, 0);
        const auto dept = std::find_if(contents.begin(), contents.end(), [](const ChmFile::ContentsEntry& e) {
            return e.name == QStringLiteral("Le didacticiel des départements");
        });
        QVERIFY(dept != contents.end());
        QCOMPARE(dept->depth, 1);

        for (const ChmFile::ContentsEntry& entry : contents)
            QVERIFY2(chm->contains(entry.path), qPrintable(entry.name + QStringLiteral(" -> ") + entry.path));
        QVERIFY(chm->pages().size() >= 10);
        for (const QString& page : chm->pages()) {
            const QUrl base = ChmBrowser::pageUrl(page);
            for (const QString& link : hrefs(text(*chm, page)))
                QVERIFY2(chm->contains(base.resolved(QUrl(link)).path()), qPrintable(page + QStringLiteral(" -> ") + link));
        }
    }

    // The viewer opens on the default topic, follows links through the file and is reused.
    void viewerShowsAndFollowsLinks()
    {
        RecordingDialogs dialogs;
        ScopedSeam<Dialogs> seam(&dialogs);
        QWidget owner;
        auto* button = new QWidget(&owner);
        owner.show();

        AfficheAide(button, helpFile());
        QVERIFY(dialogs.boxes.isEmpty());
        QCOMPARE(helpWindows().size(), 1);
        HelpViewer* viewer = helpWindows().first();
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->isWindow());
        QCOMPARE(viewer->parentWidget(), &owner); // owned by the window, not by the button
        QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("Bienvenue dans Geomira")));

        const QString link = anchorIn(viewer->browser()->document(), QStringLiteral("choix-jeu"));
        QCOMPARE(link, QStringLiteral("choix-jeu.html"));
        emit viewer->browser()->anchorClicked(QUrl(link));
        QCOMPARE(viewer->currentPage(), QStringLiteral("/choix-jeu.html"));
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("Jouer !")));
        QVERIFY(viewer->contents()->currentItem());
        QCOMPARE(viewer->contents()->currentItem()->text(0), QStringLiteral("Choisir un jeu et ses options"));

        // Links that lead nowhere inside the file leave the page as it is.
        emit viewer->browser()->anchorClicked(QUrl(QStringLiteral("absent.html")));
        emit viewer->browser()->anchorClicked(QUrl(QStringLiteral("http://example.org/")));
        QCOMPARE(viewer->currentPage(), QStringLiteral("/choix-jeu.html"));
        viewer->browser()->backward();
        QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));

        // A second help button, in another window: the same help window comes forward, owned anew.
        auto* other = new QWidget;
        other->show();
        viewer->hide();
        AfficheAide(other, helpFile());
        QCOMPARE(helpWindows().size(), 1);
        QCOMPARE(helpWindows().first(), viewer);
        QCOMPARE(viewer->parentWidget(), other);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));

        // Unloading the owner's window takes the help window with it; the next request opens a new one.
        QPointer<HelpViewer> watch(viewer);
        delete other;
        QVERIFY(!watch);
        AfficheAide(&owner, helpFile());
        QCOMPARE(helpWindows().size(), 1);
        QVERIFY(dialogs.boxes.isEmpty());
    }

    void missingFileIsReported_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("absent") << QStringLiteral("/nonexistent/help/Geomira.chm");
        QTest::newRow("folder") << QDir::tempPath();
    }

    void missingFileIsReported()
    {
        QFETCH(QString, path);
        RecordingDialogs dialogs;
        ScopedSeam<Dialogs> seam(&dialogs);
        QWidget owner;
        AfficheAide(&owner, path);
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes.first().style, int(vbExclamation));
        QVERIFY(dialogs.boxes.first().prompt.contains(QStringLiteral("introuvable")));
        QVERIFY(dialogs.boxes.first().prompt.contains(path));
        QVERIFY(helpWindows().isEmpty());
    }

    void corruptFileIsReported_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray noise(20000, Qt::Uninitialized);
        QRandomGenerator gen(42);
        for (char& c : noise)
            c = char(gen.bounded(256));
        QFile real(helpFile());
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray whole = real.readAll();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("<html><body>pas une aide compilée</body></html>");
        QTest::newRow("noise") << noise;
        QTest::newRow("header only") << whole.left(120);
        QTest::newRow("truncated") << whole.left(whole.size() / 4);
    }

    void corruptFileIsReported()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Geomira.chm"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        RecordingDialogs dialogs;
        ScopedSeam<Dialogs> seam(&dialogs);
        QWidget owner;
        AfficheAide(&owner, path);
        QCOMPARE(dialogs.boxes.size(), 1);
        QCOMPARE(dialogs.boxes.first().style, int(vbExclamation));
        QVERIFY(dialogs.boxes.first().prompt.contains(QStringLiteral("illisible")));
        QVERIFY(helpWindows().isEmpty());
    }

    // A file that records no default topic and no contents opens on its first page and lists its pages.
    void fallbackTopicAndPageList()
    {
#ifndef GEOMIRA_CHMCMD
        QSKIP("chmcmd not found at configure time");
#else
        QTemporaryDir dir;
        auto write = [&dir](const QString& name, const QByteArray& data) {
            QDir().mkpath(QFileInfo(dir.filePath(name)).path());
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(data);
        };
        write(QStringLiteral("b.html"), "<html><body><p>Page B</p></body></html>");
        write(QStringLiteral("sub/a.html"), "<html><body><p>Page A <a href=\"../b.html\">vers B</a></p></body></html>");
        write(QStringLiteral("t.hhp"), "[OPTIONS]\nCompiled file=t.chm\nTitle=T\n\n[FILES]\nb.html\nsub/a.html\n");
        QProcess chmcmd;
        chmcmd.setWorkingDirectory(dir.path());
        chmcmd.start(QStringLiteral(GEOMIRA_CHMCMD), {QStringLiteral("--no-html-scan"), QStringLiteral("t.hhp")});
        QVERIFY(chmcmd.waitForFinished(-1));

        const std::unique_ptr<ChmFile> chm = ChmFile::open(dir.filePath(QStringLiteral("t.chm")));
        QVERIFY(chm);
        QCOMPARE(chm->defaultTopic(), QStringLiteral("/b.html"));
        QCOMPARE(chm->pages(), (QStringList{QStringLiteral("/b.html"), QStringLiteral("/sub/a.html")}));
        QVERIFY(chm->contents().isEmpty());

        HelpViewer viewer(ChmFile::open(dir.filePath(QStringLiteral("t.chm"))), nullptr);
        QCOMPARE(viewer.contents()->topLevelItemCount(), 2);
        viewer.browser()->followLink(QUrl(QStringLiteral("sub/a.html")));
        QCOMPARE(viewer.currentPage(), QStringLiteral("/sub/a.html"));
        viewer.browser()->followLink(QUrl(QStringLiteral("../b.html"))); // relative to the page in the folder
        QCOMPARE(viewer.currentPage(), QStringLiteral("/b.html"));
#endif
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
