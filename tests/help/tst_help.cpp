// The help viewer over the compiled help file, and the help file the build produces.
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/HelpContent.h"
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

QString text(const HelpContent& help, const QString& path)
{
    const QByteArray* bytes = help.object(path);
    return bytes ? QString::fromUtf8(*bytes) : QString();
}

// Asks for the help file with no owning window; the help window it opens, or nullptr.
HelpViewer* openHelp(const QString& path)
{
    AfficheAide(nullptr, path);
    return helpWindows().value(0);
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return {};
    return file.fileName();
}

// A shell script in place of the help reader, with `output` beside it; none when `script` is empty.
void installFakeReader(const QTemporaryDir& dir, const QByteArray& script, const QByteArray& output)
{
    QVERIFY(!writeFile(dir, QStringLiteral("output"), output).isEmpty());
    const QString reader = dir.filePath(QStringLiteral("reader"));
    setHelpReaderProgram(reader);
    if (script.isEmpty())
        return;
    QVERIFY(!writeFile(dir, QStringLiteral("reader"), "#!/bin/sh\n" + script + "\n").isEmpty());
    QVERIFY(QFile::setPermissions(reader, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void expectUnreadableBox(const RecordingDialogs& dialogs, const QString& path)
{
    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes.first().prompt, QStringLiteral("Le fichier d'aide est illisible ou endommagé :\r\n") + path);
    QCOMPARE(dialogs.boxes.first().style, int(vbExclamation));
    QCOMPARE(dialogs.boxes.first().title, QStringLiteral("Aide"));
    QVERIFY(helpWindows().isEmpty());
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
    void init()
    {
        setHelpReaderProgram(qEnvironmentVariable("GEOMIRA_APP_DIR") + QStringLiteral("/geomira-helpreader"));
    }

    void cleanup()
    {
        qDeleteAll(helpWindows());
    }

    // The file the build compiles, as the help reader hands it over: topic, title, contents, accents, and every link.
    void generatedFileIsComplete()
    {
        RecordingDialogs dialogs;
        ScopedSeam<Dialogs> seam(&dialogs);
        HelpViewer* viewer = openHelp(helpFile());
        QVERIFY2(viewer, qPrintable(helpFile()));
        const HelpContent& help = viewer->help();
        QCOMPARE(help.defaultTopic, QStringLiteral("/index.html"));
        QCOMPARE(help.title, QStringLiteral("Aide de Geomira"));
        QCOMPARE(viewer->windowTitle(), help.title);
        QVERIFY(text(help, help.defaultTopic).contains(QStringLiteral("Bienvenue dans Geomira")));
        QVERIFY(text(help, QStringLiteral("liste-jeux.html")).contains(QStringLiteral("Blason d'une région")));
        QVERIFY(!help.object(QStringLiteral("/absent.html")));

        const QList<HelpContent::ContentsEntry> contents = help.contents;
        QVERIFY(contents.size() >= 8);
        QCOMPARE(contents.first().name, QStringLiteral("Bienvenue dans Geomira"));
        QCOMPARE(contents.first().depth, 0);
        const auto dept = std::find_if(contents.begin(), contents.end(), [](const HelpContent::ContentsEntry& e) {
            return e.name == QStringLiteral("Le didacticiel des départements");
        });
        QVERIFY(dept != contents.end());
        QCOMPARE(dept->depth, 1);

        for (const HelpContent::ContentsEntry& entry : contents)
            QVERIFY2(help.page(entry.path), qPrintable(entry.name + QStringLiteral(" -> ") + entry.path));
        QVERIFY(help.pages.size() >= 10);
        for (const QString& page : help.pages) {
            const QUrl base = HelpContent::pageUrl(page);
            for (const QString& link : hrefs(text(help, page)))
                QVERIFY2(help.page(base.resolved(QUrl(link)).path()), qPrintable(page + QStringLiteral(" -> ") + link));
        }
        QVERIFY(dialogs.boxes.isEmpty());
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
        QTest::newRow("half") << whole.left(whole.size() / 2); // the pages cannot be decompressed
        // One byte set wrong: chmlib divides by zero while opening, or resets its decompressor out of bounds.
        QTest::newRow("byte 942") << QByteArray(whole).replace(942, 1, "\x45");
        QTest::newRow("byte 8760") << QByteArray(whole).replace(8760, 1, "\x2f");
        // The only directory chunk (at 204) names itself as the next one: chmlib lists its objects forever.
        QCOMPARE(whole.mid(204, 4), QByteArray("PMGL"));
        QTest::newRow("listing loop") << QByteArray(whole).replace(204 + 16, 4, QByteArray(4, '\0'));
    }

    // Whatever the damage, the box comes and the window that asked stays as it was.
    void corruptFileIsReported()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = writeFile(dir, QStringLiteral("Geomira.chm"), content);
        QVERIFY(!path.isEmpty());

        RecordingDialogs dialogs;
        ScopedSeam<Dialogs> seam(&dialogs);
        QWidget owner;
        owner.show();
        AfficheAide(&owner, path);
        expectUnreadableBox(dialogs, path);
        QVERIFY(owner.isVisible());
    }

    // The help reader itself fails: its output is refused, and it never holds the program past the time limit.
    void readerFaultIsReported_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QByteArray>("output");
        HelpContent big;
        big.defaultTopic = QStringLiteral("/index.html");
        QVERIFY(big.addObject(big.defaultTopic, QByteArray(HelpContent::MaxPageSize + 1, 'a')));
        const QByteArray cat = "exec cat \"$(dirname \"$0\")/output\"";

        QTest::newRow("crashes") << QByteArray("kill -SEGV $$") << QByteArray();
        QTest::newRow("hangs") << QByteArray("exec sleep 60") << QByteArray();
        QTest::newRow("fails") << QByteArray("exit 1") << QByteArray();
        QTest::newRow("endless output") << QByteArray("exec cat /dev/zero") << QByteArray();
        QTest::newRow("garbage") << cat << QByteArray("pas une aide");
        QTest::newRow("cut short") << cat << big.toBytes().left(100);
        QTest::newRow("default page too large") << cat << big.toBytes();
        QTest::newRow("missing") << QByteArray() << QByteArray();
    }

    void readerFaultIsReported()
    {
        QFETCH(QByteArray, script);
        QFETCH(QByteArray, output);
        QTemporaryDir dir;
        installFakeReader(dir, script, output);

        RecordingDialogs dialogs;
        ScopedSeam<Dialogs> seam(&dialogs);
        AfficheAide(nullptr, helpFile());
        expectUnreadableBox(dialogs, helpFile());
    }

    // A page too large to lay out in reasonable time is not shown: a link to it leads nowhere.
    void oversizedPageIsNotLaidOut()
    {
        HelpContent help;
        help.defaultTopic = QStringLiteral("/index.html");
        help.pages = QStringList{QStringLiteral("/big.html"), help.defaultTopic};
        QVERIFY(help.addObject(help.defaultTopic, "<html><body><a href=\"big.html\">grande page</a></body></html>"));
        QVERIFY(help.addObject(QStringLiteral("/big.html"), QByteArray(HelpContent::MaxPageSize + 1, 'a')));
        QTemporaryDir dir;
        installFakeReader(dir, "exec cat \"$(dirname \"$0\")/output\"", help.toBytes());

        RecordingDialogs dialogs;
        ScopedSeam<Dialogs> seam(&dialogs);
        HelpViewer* viewer = openHelp(helpFile());
        QVERIFY(viewer);
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("grande page")));
        emit viewer->browser()->anchorClicked(QUrl(QStringLiteral("big.html")));
        QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
        QVERIFY(dialogs.boxes.isEmpty());
    }

    // A file that records no default topic and no contents opens on its first page and lists its pages;
    // of the other objects, only those a page refers to are handed over.
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
        write(QStringLiteral("sub/a.html"),
              "<html><body><p>Page A <a href=\"../b.html\">vers B</a><img src=\"logo.gif\"></p></body></html>");
        write(QStringLiteral("sub/logo.gif"), "GIF89a logo");
        write(QStringLiteral("unused.gif"), "GIF89a unused");
        write(QStringLiteral("t.hhp"),
              "[OPTIONS]\nCompiled file=t.chm\nTitle=T\n\n[FILES]\nb.html\nsub/a.html\nsub/logo.gif\nunused.gif\n");
        QProcess chmcmd;
        chmcmd.setWorkingDirectory(dir.path());
        chmcmd.start(QStringLiteral(GEOMIRA_CHMCMD), {QStringLiteral("--no-html-scan"), QStringLiteral("t.hhp")});
        QVERIFY(chmcmd.waitForFinished(-1));

        HelpViewer* viewer = openHelp(dir.filePath(QStringLiteral("t.chm")));
        QVERIFY(viewer);
        QCOMPARE(viewer->help().defaultTopic, QStringLiteral("/b.html"));
        QCOMPARE(viewer->help().pages, (QStringList{QStringLiteral("/b.html"), QStringLiteral("/sub/a.html")}));
        QVERIFY(viewer->help().contents.isEmpty());
        QVERIFY(viewer->help().object(QStringLiteral("/sub/logo.gif")));
        QCOMPARE(*viewer->help().object(QStringLiteral("/sub/logo.gif")), QByteArray("GIF89a logo"));
        QVERIFY(!viewer->help().object(QStringLiteral("/unused.gif")));
        QCOMPARE(viewer->contents()->topLevelItemCount(), 2);
        viewer->browser()->followLink(QUrl(QStringLiteral("sub/a.html")));
        QCOMPARE(viewer->currentPage(), QStringLiteral("/sub/a.html"));
        viewer->browser()->followLink(QUrl(QStringLiteral("../b.html"))); // relative to the page in the folder
        QCOMPARE(viewer->currentPage(), QStringLiteral("/b.html"));
#endif
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
