// The help viewer over the compiled help file, and the help file the build produces.
#include "platform/FileSystem.h"
#include "platform/HelpContent.h"
#include "platform/HelpViewer.h"
#include "testkit/FakePlatform.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTreeWidget>
#include <QtTest>

using namespace platform;

namespace {

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

// The file's path, or an empty one when it could not be written.
QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data)
{
    QFile file(dir.filePath(name));
    const bool written = QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
    return written ? file.fileName() : QString();
}

// A shell script in place of the help reader, with `output` beside it; "-": no reader at all.
void installFakeReader(const QTemporaryDir& dir, const QByteArray& script, const QByteArray& output)
{
    setAppPath(dir.path());
    if (script == "-")
        return;
    QVERIFY(!writeFile(dir, QStringLiteral("output"), output).isEmpty());
    QVERIFY(!writeFile(dir, QStringLiteral("geomira-helpreader"), "#!/bin/sh\n" + script + "\n").isEmpty());
    QVERIFY(QFile::setPermissions(helpReaderProgram(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// A help stream whose default topic is `page`, or links to it as "bad.html".
QByteArray helpStream(const QByteArray& page, bool behindLink = false)
{
    HelpContent help;
    help.defaultTopic = QStringLiteral("/index.html");
    help.pages = QStringList{help.defaultTopic, QStringLiteral("/bad.html")};
    help.addObject(help.defaultTopic, behindLink ? "<html><body><a href=\"bad.html\">plus loin</a></body></html>"
                                                 : page);
    help.addObject(help.pages.last(), page);
    return help.toBytes();
}

// Pages the help window must not lay out: a little deeper, longer or larger, each would hold it for hours or crash it.
const std::pair<const char*, QByteArray> unshowablePages[] = {
    {"page too large", QByteArray(HelpContent::MaxPageSize + 1, 'a')},
    {"blocks too deep", QByteArray("<div>").repeated(HelpContent::MaxNesting + 1)},
    {"too many elements", QByteArray("<br>").repeated(HelpContent::MaxElements + 1)},
    {"huge length", "<table cellspacing=1000000><tr><td>x</td></tr></table>"},
    // Each stray cell after a list item opens a table in the table before.
    {"tables nested by damage", QByteArray("<td>b<li>c</td></tr>").repeated(ChmBrowser::MaxTableNesting + 4)},
};

// Pages within every bound of the markup whose layout held the program for minutes: cell spacing, padding
// and spans as large as the bound on digits allows, in tables as deep as allowed, or many side by side.
QByteArray hugeTables(int depth, int times)
{
    const QByteArray open = "<table cellspacing=999999 cellpadding=999999><tr><td colspan=99999 rowspan=99999>";
    const QByteArray tables = open.repeated(depth) + "x" + QByteArray("</td></tr></table>").repeated(depth);
    return "<html><body>" + tables.repeated(times) + "</body></html>";
}
const std::pair<const char*, QByteArray> slowPages[] = {
    {"huge tables, 4 deep, 20 times", hugeTables(ChmBrowser::MaxTableNesting, 20)},
    {"200 huge tables side by side", hugeTables(1, 200)},
};

#ifdef GEOMIRA_CHMCMD
// Compiles the help project `project` of `dir` beside it.
void compile(const QTemporaryDir& dir, const QString& project)
{
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(dir.path());
    chmcmd.start(QStringLiteral(GEOMIRA_CHMCMD), {QStringLiteral("--no-html-scan"), project});
    QVERIFY(chmcmd.waitForFinished(-1));
}

// A help file whose one page is `page`, as chmcmd compiles it.
QByteArray compiledPage(const QByteArray& page)
{
    QTemporaryDir dir;
    writeFile(dir, QStringLiteral("index.html"), page);
    writeFile(dir, QStringLiteral("t.hhp"), "[OPTIONS]\nCompiled file=t.chm\nDefault topic=index.html\n\n[FILES]\nindex.html\n");
    compile(dir, QStringLiteral("t.hhp"));
    QFile file(dir.filePath(QStringLiteral("t.chm")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
#endif

// Whether the process still runs (a zombie does not).
bool alive(const QByteArray& pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid.trimmed().toInt()));
    return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
    // The boxes are recorded; the help viewer is the real one.
    struct Stage {
        testkit::FakeDialogs dialogs;
        ScopedSeam<Dialogs> seam{&dialogs};
    };
    std::unique_ptr<Stage> fake;

private slots:
    void init()
    {
        // The program's own reader, by its own name, beside the program.
        setAppPath(qEnvironmentVariable("GEOMIRA_APP_DIR"));
        setHelpReadTimeLimit(0);
        fake = std::make_unique<Stage>();
    }
    void cleanup()
    {
        qDeleteAll(helpWindows());
        fake.reset();
    }

    // The file the build compiles, as the help reader hands it over (topic, title, contents, accents, and every
    // link), in the viewer: it opens on the default topic, follows links through the file and is reused.
    void generatedFileInTheViewer()
    {
        QWidget owner;
        auto* button = new QWidget(&owner);
        owner.show();
        AfficheAide(button, helpFile());
        QCOMPARE(helpWindows().size(), 1);
        HelpViewer* viewer = helpWindows().first();
        const HelpContent& help = viewer->help();
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Aide de Geomira"));
        QVERIFY(text(help, QStringLiteral("liste-jeux.html")).contains(QStringLiteral("Blason d'une région")));
        QVERIFY(!help.object(QStringLiteral("/absent.html")));
        QVERIFY(help.contents.size() >= 8);
        QCOMPARE(help.contents.first().name, QStringLiteral("Bienvenue dans Geomira"));
        QMap<QString, int> depths;
        for (const HelpContent::ContentsEntry& entry : help.contents) {
            QVERIFY2(help.page(entry.path), qPrintable(entry.name + QStringLiteral(" -> ") + entry.path));
            depths.insert(entry.name, entry.depth);
        }
        QCOMPARE(depths.value(QStringLiteral("Bienvenue dans Geomira")), 0);
        QCOMPARE(depths.value(QStringLiteral("Le didacticiel des départements")), 1);
        QVERIFY(help.pages.size() >= 10);
        static const QRegularExpression href(QStringLiteral("<a\\s[^>]*href\\s*=\\s*\"([^\"]*)\""),
                                             QRegularExpression::CaseInsensitiveOption);
        for (const QString& page : help.pages) {
            for (auto it = href.globalMatch(text(help, page)); it.hasNext();) {
                const QString link = it.next().captured(1);
                const QString target = HelpContent::pageUrl(page).resolved(QUrl(link)).path();
                QVERIFY2(help.page(target), qPrintable(page + QStringLiteral(" -> ") + link));
            }
        }

        QVERIFY(viewer->isVisible() && viewer->isWindow());
        QCOMPARE(viewer->parentWidget(), &owner); // owned by the window, not by the button
        // Centred as every window, give or take its frame.
        QVERIFY((viewer->geometry().center() - viewer->screen()->availableGeometry().center()).manhattanLength() <= 4);
        QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));
        QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("Bienvenue dans Geomira")));
        QVERIFY(viewer->browser()->toHtml().contains(QStringLiteral("href=\"choix-jeu.html\"")));
        emit viewer->browser()->anchorClicked(QUrl(QStringLiteral("choix-jeu.html")));
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
        QCOMPARE(helpWindows(), QList<HelpViewer*>{viewer});
        QCOMPARE(viewer->parentWidget(), other);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->currentPage(), QStringLiteral("/index.html"));

        // Unloading the owner's window takes the help window with it; the next request opens a new one.
        QPointer<HelpViewer> watch(viewer);
        delete other;
        QVERIFY(!watch);
        AfficheAide(&owner, helpFile());
        QCOMPARE(helpWindows().size(), 1);
        QVERIFY(fake->dialogs.boxes.isEmpty());
    }

    // Whatever is wrong with the file or with the help reader (which must never hold the program past its time
    // limit, nor leave anything it started behind), one box says so, and the window that asked stays as it was.
    void unusableHelpIsReported_data()
    {
        QTest::addColumn<QString>("path");      // empty: `bytes` written to a file
        QTest::addColumn<QByteArray>("reader");  // a script in place of the help reader, `bytes` beside it; "-": none at all
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");   // with %file and %reader for the help file and the reader
        QTest::addColumn<int>("timeLimit");     // of the reader, in ms; 0: the program's own
        const QString introuvable = QStringLiteral("Le fichier d'aide est introuvable :\r\n%file");
        const QString illisible = QStringLiteral("Le fichier d'aide est illisible ou endommagé :\r\n%file");
        QTest::newRow("absent") << QStringLiteral("/nonexistent/help/Geomira.chm") << QByteArray() << QByteArray() << introuvable << 500;
        QTest::newRow("folder") << QDir::tempPath() << QByteArray() << QByteArray() << introuvable << 500;

        QByteArray noise(20000, Qt::Uninitialized);
        QRandomGenerator(42).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        QFile real(helpFile());
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray whole = real.readAll();
        // The only directory chunk (at 204) names itself as the next one: chmlib lists its objects forever.
        QCOMPARE(whole.mid(204, 4), QByteArray("PMGL"));
        // The header's own length is at 8, the file's length at 104, the directory's place at 0x48 and its
        // number of chunks at 164; the compressed pages end the file.
        auto patched = [](QByteArray bytes, int at, quint64 value, int size) {
            return bytes.replace(at, size, QByteArray(reinterpret_cast<const char*>(&value), size));
        };
        const std::pair<const char*, QByteArray> damaged[] = {
            {"empty", QByteArray("")},
            {"text", QByteArray("<html><body>pas une aide compilée</body></html>")},
            {"noise", noise},
            {"header only", whole.left(120)},
            {"truncated", whole.left(whole.size() / 4)},
            {"pages cut short", patched(whole.chopped(300), 104, whole.size() - 300, 8)},
            {"longer than it is", patched(whole, 104, whole.size() + 1, 8)},
            {"header past the end", patched(whole, 8, whole.size() + 1, 4)},
            {"directory past the end", patched(whole, 0x50, whole.size(), 8)},
            {"directory longer than its place", patched(whole, 164, 2, 4)},
            // One byte set wrong: chmlib divides by zero while opening, or resets its decompressor out of bounds.
            {"byte 942", QByteArray(whole).replace(942, 1, "\x45")},
            {"byte 8760", QByteArray(whole).replace(8760, 1, "\x2f")},
            {"listing loop", QByteArray(whole).replace(204 + 16, 4, QByteArray(4, '\0'))},
        };
        for (const auto& [name, content] : damaged)
            QTest::newRow(name) << QString() << QByteArray() << content << illisible << 500;
#ifdef GEOMIRA_CHMCMD
        // Refused by the reader itself, well before its time is up.
        for (const auto& [name, page] : slowPages) {
            QVERIFY(HelpContent::canLayOut(page));
            const QByteArray file = compiledPage(page);
            QVERIFY(file.startsWith("ITSF"));
            QTest::newRow(name) << QString() << QByteArray() << file << illisible << 0;
        }
#endif

        HelpContent deep = *HelpContent::fromBytes(helpStream("<p>x</p>"));
        deep.contents = {{QStringLiteral("x"), deep.defaultTopic, HelpContent::MaxContentsDepth + 1}};
        const QByteArray cat = "exec cat \"$(dirname \"$0\")/output\"";
        const QByteArray leaveChild = "sleep 60 & echo $! > \"$(dirname \"$0\")/child\"; ";
        std::vector<std::pair<const char*, std::pair<QByteArray, QByteArray>>> readers = {
            {"reader crashes", {"kill -SEGV $$", {}}},
            {"reader hangs", {leaveChild + "wait", {}}},
            {"reader fails", {leaveChild + "exit 1", {}}},
            {"endless output", {"exec cat /dev/zero", {}}},
            {"garbage", {cat, "pas une aide"}},
            {"cut short", {cat, helpStream("<p>x</p>").left(100)}},
            {"contents too deep", {cat, deep.toBytes()}},
        };
        for (const auto& [name, page] : unshowablePages)
            readers.push_back({name, {cat, helpStream(page)}});
        for (const auto& [name, reader] : readers)
            QTest::newRow(name) << helpFile() << reader.first << reader.second << illisible << 500;
        QTest::newRow("reader missing") << helpFile() << QByteArray("-") << QByteArray()
                                        << QStringLiteral("Le lecteur d'aide est introuvable :\r\n%reader") << 500;
    }
    void unusableHelpIsReported()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, reader);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, timeLimit);
        QTemporaryDir dir;
        if (path.isEmpty())
            path = writeFile(dir, QStringLiteral("Geomira.chm"), bytes);
        if (!reader.isEmpty())
            installFakeReader(dir, reader, bytes);
        setHelpReadTimeLimit(timeLimit);

        QWidget owner;
        owner.show();
        QElapsedTimer clock;
        clock.start();
        AfficheAide(&owner, path);
        QVERIFY(clock.elapsed() < 3000);
        message.replace(QStringLiteral("%file"), path).replace(QStringLiteral("%reader"), helpReaderProgram());
        QCOMPARE(fake->dialogs.shown(), QStringList{QStringLiteral("Aide [%1] ").arg(vbExclamation) + message});
        QVERIFY(helpWindows().isEmpty());
        QVERIFY(owner.isVisible());
        QFile child(dir.filePath(QStringLiteral("child")));
        const QByteArray pid = child.open(QIODevice::ReadOnly) ? child.readAll() : QByteArray();
        QTRY_VERIFY(pid.isEmpty() || !alive(pid));
    }

    // A page that cannot be laid out in reasonable time is not shown: a link to it leads nowhere.
    void unshowablePageIsNotLaidOut()
    {
        for (const auto& [name, page] : unshowablePages) {
            QTemporaryDir dir;
            installFakeReader(dir, "exec cat \"$(dirname \"$0\")/output\"", helpStream(page, true));
            AfficheAide(nullptr, helpFile());  // with no owning window
            HelpViewer* viewer = helpWindows().value(0);
            QVERIFY2(viewer, name);
            QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("plus loin")));
            emit viewer->browser()->anchorClicked(QUrl(QStringLiteral("bad.html")));
            QVERIFY2(viewer->currentPage() != QStringLiteral("/bad.html"), name);
            delete viewer;
        }
        QVERIFY(fake->dialogs.boxes.isEmpty());
        // As deep as allowed, with comments and elements that need no end tag, a page is shown.
        QVERIFY(HelpContent::canLayOut(QByteArray("<!-- x --><p>a<br><li>b<td>c").repeated(HelpContent::MaxNesting + 1)
                                       + QByteArray("<div>").repeated(HelpContent::MaxNesting)));
    }

    // A file that records no default topic and no contents opens on its first page and lists its pages;
    // of the other objects, only those a page refers to are handed over. A table of contents nested
    // deeper than the help window takes is shown flattened below that depth. Pages that take too long
    // to lay out are left out: links to them lead nowhere.
    void compiledFiles()
    {
#ifndef GEOMIRA_CHMCMD
        QSKIP("chmcmd not found at configure time");
#else
        QTemporaryDir dir;
        const QByteArray entry =
            R"(<li><object type="text/sitemap"><param name="Name" value="x"><param name="Local" value="b.html"></object>)";
        const int levels = HelpContent::MaxContentsDepth + 8;
        for (const auto& [name, data] : std::initializer_list<std::pair<const char*, QByteArray>>{
                 {"b.html", "<html><body><p>Page B</p></body></html>"},
                 {"sub/a.html", "<html><body><p>Page A <a href=\"../b.html\">vers B</a><img src=\"logo.gif\"></p></body></html>"},
                 {"sub/logo.gif", "GIF89a logo"},
                 {"unused.gif", "GIF89a unused"},
                 {"t.hhp", "[OPTIONS]\nCompiled file=t.chm\nTitle=T\n\n[FILES]\nb.html\nsub/a.html\nsub/logo.gif\nunused.gif\n"},
                 {"deep.hhc", QByteArray("<ul>" + entry).repeated(levels) + QByteArray("</ul>").repeated(levels)},
                 {"deep.hhp", "[OPTIONS]\nCompiled file=deep.chm\nContents file=deep.hhc\n\n[FILES]\nb.html\n"},
                 {"slow.html", "<html><body><a href=\"slow1.html\">un</a> <a href=\"slow2.html\">deux</a></body></html>"},
                 {"slow1.html", slowPages[0].second},
                 {"slow2.html", slowPages[1].second},
                 {"slow.hhp", "[OPTIONS]\nCompiled file=slow.chm\nDefault topic=slow.html\n\n[FILES]\nslow.html\nslow1.html\nslow2.html\n"}})
            QVERIFY(!writeFile(dir, QString::fromLatin1(name), data).isEmpty());
        for (const char* project : {"t.hhp", "deep.hhp", "slow.hhp"})
            compile(dir, QLatin1String(project));

        AfficheAide(nullptr, dir.filePath(QStringLiteral("deep.chm")));
        HelpViewer* viewer = helpWindows().value(0);
        QVERIFY(viewer);
        QCOMPARE(viewer->help().contents.size(), levels);
        QCOMPARE(viewer->help().contents.last().depth, HelpContent::MaxContentsDepth);
        delete viewer;

        AfficheAide(nullptr, dir.filePath(QStringLiteral("t.chm")));
        viewer = helpWindows().value(0);
        QVERIFY(viewer);
        QCOMPARE(viewer->help().defaultTopic, QStringLiteral("/b.html"));
        QCOMPARE(viewer->help().pages, (QStringList{QStringLiteral("/b.html"), QStringLiteral("/sub/a.html")}));
        QVERIFY(viewer->help().contents.isEmpty());
        QCOMPARE(text(viewer->help(), QStringLiteral("/sub/logo.gif")), QStringLiteral("GIF89a logo"));
        QVERIFY(!viewer->help().object(QStringLiteral("/unused.gif")));
        QCOMPARE(viewer->contents()->topLevelItemCount(), 2);
        viewer->browser()->followLink(QUrl(QStringLiteral("sub/a.html")));
        QCOMPARE(viewer->currentPage(), QStringLiteral("/sub/a.html"));
        viewer->browser()->followLink(QUrl(QStringLiteral("../b.html"))); // relative to the page in the folder
        QCOMPARE(viewer->currentPage(), QStringLiteral("/b.html"));
        delete viewer;

        AfficheAide(nullptr, dir.filePath(QStringLiteral("slow.chm")));
        viewer = helpWindows().value(0);
        QVERIFY(viewer);
        QCOMPARE(viewer->help().pages.size(), 3);
        for (const QString& link : {QStringLiteral("slow1.html"), QStringLiteral("slow2.html")}) {
            QVERIFY(!viewer->help().object(link));
            emit viewer->browser()->anchorClicked(QUrl(link));
            QCOMPARE(viewer->currentPage(), QStringLiteral("/slow.html"));
        }
        QVERIFY(fake->dialogs.boxes.isEmpty());
#endif
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
