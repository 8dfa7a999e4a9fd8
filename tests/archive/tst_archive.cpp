// The archive class, its library glue and our zip library over libzip.
#include "app/archive/ZipLibrary.h"
#include "app/archive/ccZip.h"
#include "app/archive/mZipDLLProc.h"
#include "testkit/FakePlatform.h"
#include "testkit/ZipBytes.h"

#include <QtTest>

#include <zip.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

namespace {

using namespace mZipDLLProc;

using testkit::writeZip;

// Entry name → compression method, and the archive comment under the key "#comment".
QMap<QString, QString> readZip(const QString& path)
{
    QMap<QString, QString> result;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, nullptr);
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        result.insert(QString::fromUtf8(stat.name), stat.comp_method == ZIP_CM_STORE ? "stored" : "deflated");
    }
    int length = 0;
    if (const char* text = zip_get_archive_comment(archive, &length, 0); length > 0)
        result.insert("#comment", QString::fromUtf8(text, length));
    zip_discard(archive);
    return result;
}

// Every file, folder and link below root, relative.
QStringList tree(const QString& root)
{
    QStringList result;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        result << QDir(root).relativeFilePath(it.next());
    result.sort();
    return result;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
}

QStringList listed(const ccZip& zip)
{
    QStringList names;
    for (int i = 1; i <= zip.count(); ++i)
        names << zip.GetFile(i);
    return names;
}

} // namespace

class TestArchive : public QObject {
    Q_OBJECT

    struct Stage {
        testkit::FakeDialogs dialogs;
        platform::ScopedSeam<platform::Dialogs> seam{&dialogs};
        QTemporaryDir tmp;
    };
    std::unique_ptr<Stage> stage;
    QString path(const QString& name) const { return stage->tmp.filePath(name); }
    // A fresh archive object, initialised on path(name).
    std::shared_ptr<ccZip> opened(const QString& name)
    {
        auto zip = std::make_shared<ccZip>();
        return zip->Init(path(name)), zip;
    }

private slots:
    void init() { QVERIFY((stage = std::make_unique<Stage>())->tmp.isValid()); }
    void cleanup()
    {
        CurrentZip.reset();
        stage.reset();
    }

    void openingListsEntriesAndComment()
    {
        auto zip = std::make_shared<ccZip>();
        zip->setComm(QStringLiteral("kept"));
        zip->Init(path("none.zip"));
        QCOMPARE(zip->count(), 0);
        QCOMPARE(zip->Comm(), QStringLiteral("kept"));
        QCOMPARE(zip->Level(), 5);
        QCOMPARE(zip->GetZipInfo(), QString());

        const QByteArray longName = QByteArray(149, 'n') + '/' + QByteArray(150, 'n');
        writeZip(path("a.zip"), {{"a.txt", "A"}, {"sub/", {}}, {"sub/b.txt", "B"}, {longName, "L"}}, "Bonjour");
        zip->Init(path("a.zip"));
        QCOMPARE(zip->Comm(), QStringLiteral("Bonjour"));
        // Both passes list, and both record: every name comes twice, cut to 256 characters.
        const QStringList names = {"a.txt", "sub/", "sub/b.txt", QString::fromLatin1(longName.left(256))};
        QCOMPARE(listed(*zip), names + names);
        QVERIFY(zip->GetFile(0).isNull() && zip->GetFile(9).isNull());
        OnUnzipListEntry(1, 1, 0, 1, 1, 2000, 0, 0, ' ', "idle.txt", "Stored", 0, ' '); // not listing: not recorded
        QCOMPARE(zip->count(), 8);
        // Only the comment pass is left in the messages.
        QCOMPARE(zip->GetZipInfo(), QStringLiteral("Bonjour") + names.join(QString()));
        // An empty target unpacks nothing and reports nothing.
        QCOMPARE(zip->Decompress(QString()), 1);
        QCOMPARE(zip->GetZipInfo(), QStringLiteral("Bonjour") + names.join(QString()));
        // The comment read, what unpacking prints no longer replaces it.
        QCOMPARE(zip->Decompress(path("out")), 0);
        QCOMPARE(zip->Comm(), QStringLiteral("Bonjour"));

        // A second Init starts a new list; an archive without comment keeps the old one...
        writeZip(path("b.zip"), {{"c.txt", "C"}});
        zip->Init(path("b.zip"));
        QCOMPARE(listed(*zip), QStringList({"c.txt", "c.txt"}));
        QCOMPARE(zip->Comm(), QStringLiteral("Bonjour"));
        // ...and the first text a later unpacking prints becomes the comment.
        auto fresh = opened("b.zip");
        QCOMPARE(fresh->Comm(), QString());
        QCOMPARE(fresh->Decompress(path("out")), 0);
        QVERIFY(fresh->Comm().contains(QStringLiteral("c.txt")));
        QVERIFY(fresh->GetZipInfo().startsWith(fresh->Comm()));
        // A missing archive has nothing to say, whatever the one before said.
        fresh->Init(path("none.zip"));
        QCOMPARE(fresh->GetZipInfo(), QString());
    }

    void decompressRecreatesFoldersAndOverwrites()
    {
        writeZip(path("a.zip"), {{"a.txt", "new A"}, {"empty/", {}}, {"sub/deep/c.txt", "C"}, {"sub\\win.txt", "W"},
                                {"sub/stored.txt", "S"}});
        const QString target = path("app");
        writeFile(target + "/a.txt", "old A, longer than the new one");
        writeFile(target + "/sub/deep/c.txt", "old C");
        auto zip = opened("a.zip");
        QCOMPARE(zip->Decompress(target), 0);
        QCOMPARE(contents(target + "/a.txt"), QByteArray("new A"));
        QCOMPARE(contents(target + "/sub/deep/c.txt"), QByteArray("C"));
        QCOMPARE(contents(target + "/sub/win.txt"), QByteArray("W"));
        QCOMPARE(tree(target), QStringList({"a.txt", "empty", "sub", "sub/deep", "sub/deep/c.txt", "sub/stored.txt", "sub/win.txt"}));
        QVERIFY(stage->dialogs.boxes.isEmpty());
        QVERIFY(QFileInfo(target + "/a.txt").permissions() & QFileDevice::ReadOther);

        // One entry by name; a name that is not in the archive fails and writes nothing.
        QCOMPARE(zip->Decompress(path("second"), QStringLiteral("sub/deep/c.txt")), 0);
        QCOMPARE(tree(path("second")), QStringList({"sub", "sub/deep", "sub/deep/c.txt"}));
        QVERIFY(zip->Decompress(path("third"), QStringLiteral("nothing.txt")) != 0);
        QCOMPARE(tree(path("third")), QStringList());
    }

    void unsafeEntriesNeverLeaveTheTarget_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<quint32>("mode");
        QTest::newRow("dot-dot slash") << QByteArray("../evil.txt") << 0u;
        QTest::newRow("dot-dot backslash") << QByteArray("..\\evil.txt") << 0u;
        QTest::newRow("climbs from inside") << QByteArray("a/../../evil.txt") << 0u;
        QTest::newRow("climbs mixed") << QByteArray("a\\..\\../evil.txt") << 0u;
        QTest::newRow("absolute") << QByteArray("<root>/evil.txt") << 0u;
        QTest::newRow("absolute backslash") << QByteArray("\\evil.txt") << 0u;
        QTest::newRow("drive letter") << QByteArray("C:\\x.txt") << 0u;
        QTest::newRow("drive letter slash") << QByteArray("c:/x.txt") << 0u;
        QTest::newRow("symlink") << QByteArray("link") << quint32(S_IFLNK | 0777);
        QTest::newRow("fifo") << QByteArray("pipe") << quint32(S_IFIFO | 0644);
    }
    void unsafeEntriesNeverLeaveTheTarget()
    {
        QFETCH(QByteArray, name); QFETCH(quint32, mode);
        name.replace("<root>", QFile::encodeName(stage->tmp.path()));
        writeZip(path("evil.zip"), {{"before.txt", "1"}, {name, mode ? QFile::encodeName(stage->tmp.path()) : "evil", mode},
                                   {"after.txt", "2"}});
        auto zip = opened("evil.zip");
        // The safe entries are unpacked, the unsafe one nowhere, and the run counts as failed.
        QVERIFY(zip->Decompress(path("root/target")) != 0);
        QCOMPARE(tree(stage->tmp.path()), QStringList({"evil.zip", "root", "root/target", "root/target/after.txt", "root/target/before.txt"}));
        QVERIFY(zip->GetZipInfo().contains(QString::fromLocal8Bit(name)));
    }

    // The guard bounds each entry's size and the sum of them all: three entries of 13 bytes
    // pass 39 bytes, not 38 nor 12; a refused archive leaves nothing behind.
    void guardBoundsEachEntryAndTheirSum()
    {
        writeZip(path("a.zip"), {{"a.txt"}, {"b.txt"}, {"c.txt"}});
        for (const quint64 maxSize : {12, 38, 39}) {
            ziplib::UnzipGuard guard;
            guard.maxSize = maxSize;
            const bool whole = maxSize == 39;
            QCOMPARE(opened("a.zip")->Decompress(path("target"), QString(), &guard), whole ? 0 : int(ziplib::UZ_TOOBIG));
            QCOMPARE(tree(path("target")), whole ? QStringList({"a.txt", "b.txt", "c.txt"}) : QStringList());
        }
    }

    void linksInTheTargetAreNotFollowed()
    {
        const QString target = path("target");
        const QString outside = path("outside");
        writeFile(outside + "/secret.txt", "secret");
        QDir().mkpath(target);
        QVERIFY(QFile::link(outside, target + "/escape"));
        QVERIFY(QFile::link(outside + "/secret.txt", target + "/victim.txt"));
        writeZip(path("a.zip"), {{"escape/pwn.txt", "pwn"}, {"victim.txt", "new"}});
        QVERIFY(opened("a.zip")->Decompress(target) != 0); // the entry below the linked folder is refused
        QCOMPARE(tree(outside), QStringList({"secret.txt"}));
        QCOMPARE(contents(outside + "/secret.txt"), QByteArray("secret"));
        // The link itself is replaced by the unpacked file.
        QVERIFY(!QFileInfo(target + "/victim.txt").isSymLink());
        QCOMPARE(contents(target + "/victim.txt"), QByteArray("new"));
    }

    void missingOrDamagedArchiveFails()
    {
        const QString target = path("target");
        QVERIFY(opened("missing.zip")->Decompress(target) != 0);
        QVERIFY(ccZip().Decompress(target) != 0); // never initialised
        writeFile(path("garbage.zip"), QByteArray(4000, 'x'));
        auto zip = opened("garbage.zip");
        QCOMPARE(zip->count(), 0);
        QVERIFY(zip->Decompress(target) != 0);

        // A readable directory but damaged data: the damaged file is not written.
        writeZip(path("damaged.zip"), {{"good.txt", "good"}, {"bad.txt", QByteArray(64, 'Q')}}, {}, ZIP_CM_STORE);
        writeFile(path("damaged.zip"), contents(path("damaged.zip")).replace(QByteArray(64, 'Q'), QByteArray(64, 'R')));
        QVERIFY(opened("damaged.zip")->Decompress(target) != 0);
        QCOMPARE(tree(stage->tmp.path()), QStringList({"damaged.zip", "garbage.zip", "target", "target/good.txt"}));
    }

    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<quint32>("declared"); // 0: the true sizes
        QTest::addColumn<int>("code");
        QTest::newRow("disk full") << 0u << int(ziplib::UZ_DISK);
        // Stopped as damaged before the file limit: nothing past the declared size is written.
        QTest::newRow("lying header") << 5u << int(ziplib::UZ_ERR);
    }
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(quint32, declared); QFETCH(int, code);
        QByteArray big(256 * 1024, Qt::Uninitialized);  // does not compress
        QRandomGenerator(7919).fillRange(reinterpret_cast<quint32*>(big.data()), big.size() / 4);
        writeZip(path("big.zip"), {{"small.txt", "small"}, {"big.bin", big}});
        if (declared)
            QVERIFY(testkit::declareSize(path("big.zip"), declared));
        const QString target = path("target");
        writeFile(target + "/big.bin", "old");
        auto zip = opened("big.zip");

        // A file size limit makes writes fail as a full disk would.
        rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit limited{64 * 1024, saved.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const qint32 result = zip->Decompress(target);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(result, code);
        QCOMPARE(contents(target + "/big.bin"), QByteArray("old"));
        QCOMPARE(tree(target), QStringList({"big.bin", "small.txt"})); // no temporary file left
    }

    // The library asked to prompt before replacing: the glue's box, and the file left or replaced.
    void replaceQuestion_data()
    {
        testkit::colonnes<int>({"answer", "code"});
        QTest::addColumn<QByteArray>("left");
        QTest::newRow("No") << int(platform::vbNo) << 100 << QByteArray("old");
        QTest::newRow("Cancel") << int(platform::vbCancel) << 104 << QByteArray("old");
        QTest::newRow("Yes") << int(platform::vbYes) << 102 << QByteArray("new");
    }
    void replaceQuestion()
    {
        QFETCH(int, answer); QFETCH(int, code); QFETCH(QByteArray, left);
        char name[] = "file.txt";
        stage->dialogs.answers = {answer, answer};
        QCOMPARE(OnUnzipReplace(name), code);
        writeZip(path("a.zip"), {{"a.txt", "new"}});
        const QString target = path("target");
        writeFile(target + "/a.txt", "old");
        ziplib::DCL options;
        options.OptionWords[ziplib::UO_PromptToOverwrite] = 1;
        options.OptionWords[ziplib::UO_KeepFolders] = 1;
        options.ZipFileName = QFile::encodeName(path("a.zip"));
        options.ExtractDir = QFile::encodeName(target);
        ziplib::USERFUNCTIONS callbacks{nullptr, nullptr, &OnUnzipReplace};
        QCOMPARE(ziplib::Wiz_SingleEntryUnzip(0, nullptr, 0, nullptr, &options, &callbacks), 0);
        QCOMPARE(contents(target + "/a.txt"), left);
        QCOMPARE(stage->dialogs.boxes.size(), 2);
        for (const auto& [box, file] : {std::pair{stage->dialogs.boxes.at(0), QStringLiteral("file.txt")},
                                        std::pair{stage->dialogs.boxes.at(1), target + "/a.txt"}}) {
            QCOMPARE(box.prompt, QStringLiteral("Overwrite %1?").arg(file));
            QCOMPARE(box.style, platform::vbExclamation + platform::vbYesNoCancel);
            QCOMPARE(box.title, QStringLiteral("VBUnZip32 - File Already Exists!"));
        }
    }

    // Files and folders added to an archive, its comment and an encrypted entry, unpacked again.
    void addedFilesUnpackAgain()
    {
        writeZip(path("a.zip"), {{"a.txt", "A"}});
        writeFile(path("src/new.txt"), QByteArray(2000, 'z'));
        writeFile(path("src/NEW.TXT"), "same key");
        writeFile(path("src/sub/deeper.txt"), "D");
        auto zip = opened("a.zip");
        for (const char* file : {"src/new.txt", "src/new.txt", "src/NEW.TXT"})
            QCOMPARE(zip->AddFile(path(file), false, true), 0);
        // Each name once in the list, whatever its case; the messages keep them all.
        QCOMPARE(listed(*zip), QStringList({"a.txt", "a.txt", "new.txt"}));
        QCOMPARE(zip->GetZipInfo(), QStringLiteral("a.txtnew.txtnew.txtNEW.TXT"));
        // Level 0 stores, any other deflates; a folder goes with its content, under its own path.
        zip->setLevel(0);
        QCOMPARE(zip->AddFile(path("src/sub/deeper.txt"), false, true), 0);
        zip->setLevel(10);
        zip->setComm(QStringLiteral("Commentaire"));
        QCOMPARE(zip->AddFile(path("src"), true, false), 0);
        // An empty comment leaves the archive's own.
        zip->setComm(QString());
        QCOMPARE(zip->AddFile(path("src/new.txt"), false, true), 0);
        QVERIFY(zip->AddFile(path("src/missing.txt")) != 0);
        const QString stored = QDir::cleanPath(path("src")).mid(1);
        QCOMPARE(readZip(path("a.zip")),
                 (QMap<QString, QString>{{"#comment", "Commentaire"}, {"a.txt", "deflated"}, {"new.txt", "deflated"},
                                         {"NEW.TXT", "deflated"}, {"deeper.txt", "stored"}, {stored + "/", "stored"},
                                         {stored + "/NEW.TXT", "deflated"}, {stored + "/new.txt", "deflated"},
                                         {stored + "/sub/", "stored"}, {stored + "/sub/deeper.txt", "deflated"}}));
        zip->setLevel(0);
        zip->Init(path("fresh.zip")); // a missing archive is created
        QCOMPARE(zip->AddFile(path("src/sub/deeper.txt"), false, true), 0);
        QCOMPARE(readZip(path("fresh.zip")), (QMap<QString, QString>{{"deeper.txt", "deflated"}}));  // Init: level 5

        // Encrypted: the password is asked, given in full, and cut to the unzip buffer when typed longer.
        const QString password(256, QLatin1Char('p'));
        ZipOptions.fEncrypt = 1;
        zip->Init(path("enc.zip"));
        QCOMPARE(zip->AddFile(path("src/sub/deeper.txt"), false, true), ziplib::ZE_ABORT); // no password
        stage->dialogs.inputs = {password};
        QCOMPARE(zip->AddFile(path("src/sub/deeper.txt"), false, true), 0);
        ZipOptions.fEncrypt = 0;
        auto encrypted = opened("enc.zip");
        QVERIFY(encrypted->Decompress(path("out")) != 0); // no password: not unpacked
        QVERIFY(!QFile::exists(path("out/deeper.txt")));
        stage->dialogs.inputs = {QStringLiteral("wrong"), password + QStringLiteral("cut")};
        QCOMPARE(encrypted->Decompress(path("out")), 0);
        QCOMPARE(contents(path("out/deeper.txt")), QByteArray("D"));
        char buffer[8] = "kept"; // an empty answer gives up and leaves the buffer as it was
        QVERIFY(OnUnzipPassword(buffer, 8, "", "") && OnZipPassword(buffer, 8, "", "") && QByteArray(buffer) == "kept");
        QCOMPARE(stage->dialogs.boxes.size(), 7);
        for (const testkit::ShownBox& box : stage->dialogs.boxes) {
            QCOMPARE(box.prompt, QStringLiteral("Please Enter The Password!"));
            QCOMPARE(box.title, platform::applicationTitle());
        }

        // What was added unpacks again.
        zip->Init(path("a.zip"));
        QCOMPARE(zip->Decompress(path("all")), 0);
        QCOMPARE(contents(path("all/new.txt")), QByteArray(2000, 'z'));
        QCOMPARE(contents(path("all/") + stored + "/sub/deeper.txt"), QByteArray("D"));
    }

    void currentZipLifetime()
    {
        opened("none.zip")->Decompress(path("out"));
        const std::weak_ptr<ccZip> watch = CurrentZip;
        QVERIFY(!watch.expired()); // kept alive as the current archive
        {
            ccZip local;
            local.Decompress(path("out"));
            QCOMPARE(CurrentZip.get(), &local);
            QVERIFY(watch.expired()); // replaced as current
        }
        QVERIFY(!CurrentZip); // a destroyed local archive is not left behind
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
