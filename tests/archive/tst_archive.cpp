// The archive class, its library glue and our zip library over libzip.
#include "app/archive/ZipLibrary.h"
#include "app/archive/ccZip.h"
#include "app/archive/mZipDLLProc.h"
#include "platform/Dialogs.h"
#include "testkit/ZipBytes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <zip.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <memory>

namespace {

using namespace mZipDLLProc;

class RecordingDialogs : public platform::Dialogs {
public:
    struct Call {
        QString prompt;
        int style = 0;
        QString title;
        QString defaultText;
    };
    QList<Call> boxes, inputs;
    QList<int> answers;      // given back by msgBox in order (vbOK when none left)
    QStringList typedTexts;  // given back by inputBox in order (empty when none left)

    int msgBox(const QString& prompt, int style, const QString& title) override
    {
        boxes.append({prompt, style, title, {}});
        return answers.isEmpty() ? platform::vbOK : answers.takeFirst();
    }
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        inputs.append({prompt, 0, title, defaultText});
        return typedTexts.isEmpty() ? QString() : typedTexts.takeFirst();
    }
};

struct Entry {
    QByteArray name;
    QByteArray data;
    quint32 unixMode = 0; // full st_mode; 0 = none stored
    bool folder = false;
};
Entry file(const QByteArray& name, const QByteArray& data, quint32 mode = 0) { return {name, data, mode, false}; }
Entry folder(const QByteArray& name) { return {name, {}, 0, true}; }

// Writes a zip archive with libzip, names kept byte for byte.
void makeZip(const QString& path, const QList<Entry>& entries, const QByteArray& comment = {},
             zip_int32_t method = ZIP_CM_DEFLATE)
{
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    QVERIFY(archive);
    for (const Entry& entry : entries) {
        zip_int64_t index = -1;
        if (entry.folder) {
            index = zip_dir_add(archive, entry.name.constData(), ZIP_FL_ENC_RAW);
        } else {
            zip_source_t* source = zip_source_buffer(archive, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
            index = zip_file_add(archive, entry.name.constData(), source, ZIP_FL_ENC_RAW);
            if (index >= 0)
                zip_set_file_compression(archive, zip_uint64_t(index), method, 0);
        }
        QVERIFY(index >= 0);
        if (entry.unixMode)
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, entry.unixMode << 16);
    }
    if (!comment.isEmpty())
        zip_set_archive_comment(archive, comment.constData(), zip_uint16_t(comment.size()));
    QCOMPARE(zip_close(archive), 0);
}

struct ZipContent {
    QMap<QString, QByteArray> data;        // entry name → data (folders empty)
    QMap<QString, zip_int32_t> method;     // entry name → compression method
    QString comment;
};
ZipContent readZip(const QString& path)
{
    ZipContent result;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, nullptr);
    if (!archive)
        return result;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        QByteArray data(qsizetype(stat.size), '\0');
        if (zip_file_t* f = zip_fopen_index(archive, zip_uint64_t(i), 0)) {
            zip_fread(f, data.data(), stat.size);
            zip_fclose(f);
        }
        result.data.insert(QString::fromUtf8(stat.name), data);
        result.method.insert(QString::fromUtf8(stat.name), stat.comp_method);
    }
    int length = 0;
    const char* text = zip_get_archive_comment(archive, &length, 0);
    result.comment = text ? QString::fromUtf8(text, length) : QString();
    zip_discard(archive);
    return result;
}

// Every file, folder and link below root, relative, links marked with "@".
QStringList tree(const QString& root)
{
    QStringList result;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        result << QDir(root).relativeFilePath(info.filePath()) + (info.isSymLink() ? QStringLiteral("@") : QString());
    }
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
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

template <size_t N> bool flagsAre(const qint16 (&expected)[N])
{
    return std::equal(std::begin(expected), std::end(expected), std::begin(UnzipFlags));
}

} // namespace

class TestArchive : public QObject {
    Q_OBJECT

    RecordingDialogs dialogs;
    std::unique_ptr<platform::ScopedSeam<platform::Dialogs>> guard;
    std::unique_ptr<QTemporaryDir> tmp;
    QString path(const QString& name) const { return tmp->filePath(name); }
    // A fresh archive object, initialised on path(name).
    std::shared_ptr<ccZip> opened(const QString& name)
    {
        auto zip = std::make_shared<ccZip>();
        zip->Init(path(name));
        return zip;
    }
    static void ListEntries(ccZip& zip) { zip.ListEntries(); }

private slots:
    void init()
    {
        dialogs = RecordingDialogs();
        guard = std::make_unique<platform::ScopedSeam<platform::Dialogs>>(&dialogs);
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
        ZipBusy = false;
        CaptureComment = false;
        ZipMessages.clear();
        CurrentZip.reset();
        std::fill(std::begin(UnzipFlags), std::end(UnzipFlags), 0);
        ZipOptions = {};
    }
    void cleanup()
    {
        CurrentZip.reset();
        guard.reset();
    }

    void initOnMissingArchive()
    {
        auto zip = std::make_shared<ccZip>();
        zip->setComm(QStringLiteral("kept"));
        zip->Init(path("none.zip"));
        QCOMPARE(zip->Name(), path("none.zip"));
        QCOMPARE(zip->count(), 0);
        QVERIFY(zip->Col());
        QCOMPARE(zip->Comm(), QStringLiteral("kept"));
        QCOMPARE(zip->Level(), 5);
        QCOMPARE(zip->GetZipInfo(), QString());
        QVERIFY(!CurrentZip);
    }

    void initListsEntriesAndComment()
    {
        makeZip(path("a.zip"), {file("a.txt", "A"), folder("sub/"), file("sub/b.txt", "B")}, "Bonjour");
        auto zip = opened("a.zip");
        QCOMPARE(zip->Comm(), QStringLiteral("Bonjour"));
        // Both passes list, and both record: every name comes twice.
        const QStringList names = {"a.txt", "sub/", "sub/b.txt", "a.txt", "sub/", "sub/b.txt"};
        QCOMPARE(zip->count(), 6);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(zip->GetFile(i + 1), names.at(i));
        QCOMPARE(zip->GetFile(0), QString());
        QCOMPARE(zip->GetFile(zip->count() + 1), QString());
        // Only the comment pass is left in the messages.
        QCOMPARE(zip->GetZipInfo(), QStringLiteral("Bonjoura.txtsub/sub/b.txt"));
        QVERIFY(!CaptureComment && !ZipBusy);
        QCOMPARE(CurrentZip.get(), zip.get());
        // What the comment pass passes.
        QVERIFY(flagsAre({0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0, 0, 0}));
        QCOMPARE(IncludeCount, 0);
        QVERIFY(IncludeNames.Names[0].isNull());
        QCOMPARE(ExcludeCount, 0);
        QCOMPARE(UnzipArchive, path("a.zip"));
        QVERIFY(UnzipTargetDir.isEmpty());
        QVERIFY(UnzipCallbacks.print && UnzipCallbacks.replace && UnzipCallbacks.password && UnzipCallbacks.message
                && UnzipCallbacks.service && !UnzipCallbacks.sound);

        // The listing pass alone: comment word 0, the comment not printed.
        ZipBusy = true;
        ListEntries(*zip);
        ZipBusy = false;
        QVERIFY(flagsAre({0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0}));
        QCOMPARE(zip->GetZipInfo(), QStringLiteral("a.txtsub/sub/b.txt"));
        QCOMPARE(zip->count(), 9);

        // A second Init starts a new list; an archive without comment keeps the old one.
        makeZip(path("b.zip"), {file("c.txt", "C")});
        zip->Init(path("b.zip"));
        QCOMPARE(zip->count(), 2);
        QCOMPARE(zip->GetFile(1), QStringLiteral("c.txt"));
        QCOMPARE(zip->Comm(), QStringLiteral("Bonjour"));
    }

    void commentCapturedByLaterUnzip()
    {
        makeZip(path("a.zip"), {file("a.txt", "A")});
        auto zip = opened("a.zip");
        QCOMPARE(zip->Comm(), QString());
        QVERIFY(CaptureComment);
        QCOMPARE(zip->Decompress(path("out")), 0);
        QVERIFY(!CaptureComment);
        QVERIFY(zip->Comm().contains(QStringLiteral("a.txt")));
        QVERIFY(zip->GetZipInfo().startsWith(zip->Comm()));
    }

    void decompressEmptyTarget()
    {
        makeZip(path("a.zip"), {file("a.txt", "A")});
        auto zip = opened("a.zip");
        ZipMessages = QStringLiteral("before");
        UnzipTargetDir = QStringLiteral("unchanged");
        QCOMPARE(zip->Decompress(QString()), 1);
        QCOMPARE(ZipMessages, QStringLiteral("before"));
        QCOMPARE(UnzipTargetDir, QStringLiteral("unchanged"));
    }

    void decompressRecreatesFoldersAndOverwrites()
    {
        makeZip(path("a.zip"), {file("a.txt", "new A"), folder("empty/"), file("sub/deep/c.txt", "C"),
                                file("sub\\win.txt", "W"), file("sub/stored.txt", "S")});
        const QString target = path("app");
        writeFile(target + "/a.txt", "old A, longer than the new one");
        writeFile(target + "/sub/deep/c.txt", "old C");
        auto zip = opened("a.zip");
        QCOMPARE(zip->Decompress(target), 0);
        QCOMPARE(contents(target + "/a.txt"), QByteArray("new A"));
        QCOMPARE(contents(target + "/sub/deep/c.txt"), QByteArray("C"));
        QCOMPARE(contents(target + "/sub/win.txt"), QByteArray("W"));
        QCOMPARE(tree(target), QStringList({"a.txt", "empty", "sub", "sub/deep", "sub/deep/c.txt", "sub/stored.txt", "sub/win.txt"}));
        QVERIFY(dialogs.boxes.isEmpty());
        QVERIFY(flagsAre({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0}));
        QCOMPARE(IncludeCount, 1);
        QVERIFY(IncludeNames.Names[0].isEmpty());
        QCOMPARE(UnzipTargetDir, target);
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
        QFETCH(QByteArray, name);
        QFETCH(quint32, mode);
        name.replace("<root>", QFile::encodeName(tmp->path()));
        makeZip(path("evil.zip"), {file("before.txt", "1"), file(name, mode ? QFile::encodeName(tmp->path()) : "evil", mode),
                                   file("after.txt", "2")});
        auto zip = opened("evil.zip");
        const qint32 result = zip->Decompress(path("root/target"));
        // The safe entries are unpacked, the unsafe one nowhere, and the run counts as failed.
        QCOMPARE(tree(tmp->path()), QStringList({"evil.zip", "root", "root/target", "root/target/after.txt", "root/target/before.txt"}));
        QVERIFY(result != 0);
        QVERIFY(zip->GetZipInfo().contains(QString::fromLocal8Bit(name)));
    }

    void linksInTheTargetAreNotFollowed()
    {
        const QString target = path("target");
        const QString outside = path("outside");
        writeFile(outside + "/secret.txt", "secret");
        QDir().mkpath(target);
        QVERIFY(QFile::link(outside, target + "/escape"));
        QVERIFY(QFile::link(outside + "/secret.txt", target + "/victim.txt"));
        makeZip(path("a.zip"), {file("escape/pwn.txt", "pwn"), file("victim.txt", "new")});
        const qint32 result = opened("a.zip")->Decompress(target);
        QCOMPARE(tree(outside), QStringList({"secret.txt"}));
        QCOMPARE(contents(outside + "/secret.txt"), QByteArray("secret"));
        QVERIFY(result != 0); // the entry below the linked folder is refused
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
        makeZip(path("damaged.zip"), {file("good.txt", "good"), file("bad.txt", QByteArray(64, 'Q'))}, {}, ZIP_CM_STORE);
        QByteArray bytes = contents(path("damaged.zip"));
        const qsizetype at = bytes.indexOf(QByteArray(64, 'Q'));
        QVERIFY(at > 0);
        bytes[at + 10] = 'R';
        writeFile(path("damaged.zip"), bytes);
        QVERIFY(opened("damaged.zip")->Decompress(target) != 0);
        QCOMPARE(tree(tmp->path()), QStringList({"damaged.zip", "garbage.zip", "target", "target/good.txt"}));
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
        QFETCH(quint32, declared);
        QFETCH(int, code);
        QByteArray big(256 * 1024, '\0');
        for (qsizetype i = 0; i < big.size(); ++i)
            big[i] = static_cast<char>((i * 7919 + i / 13) & 0xff);
        makeZip(path("big.zip"), {file("small.txt", "small"), file("big.bin", big)});
        if (declared)
            QVERIFY(testkit::declareSize(path("big.zip"), declared));
        const QString target = path("target");
        writeFile(target + "/big.bin", "old");
        auto zip = opened("big.zip");

        // A file size limit makes writes fail as a full disk would.
        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        struct rlimit limited = saved;
        limited.rlim_cur = 64 * 1024;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const qint32 result = zip->Decompress(target);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(result, code);
        QCOMPARE(contents(target + "/big.bin"), QByteArray("old"));
        QCOMPARE(tree(target), QStringList({"big.bin", "small.txt"})); // no temporary file left
    }

    void replaceQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("left");
        QTest::newRow("No") << int(platform::vbNo) << 100 << QByteArray("old");
        QTest::newRow("Cancel") << int(platform::vbCancel) << 104 << QByteArray("old");
        QTest::newRow("Yes") << int(platform::vbYes) << 102 << QByteArray("new");
    }
    void replaceQuestion()
    {
        QFETCH(int, answer);
        QFETCH(int, code);
        QFETCH(QByteArray, left);
        char name[] = "file.txt";
        dialogs.answers = {answer};
        QCOMPARE(OnUnzipReplace(name), code);
        QCOMPARE(dialogs.boxes.at(0).prompt, QStringLiteral("Overwrite file.txt?"));

        // Through the library, prompting instead of overwriting.
        makeZip(path("a.zip"), {file("a.txt", "new")});
        const QString target = path("target");
        writeFile(target + "/a.txt", "old");
        auto zip = opened("a.zip");
        std::fill(std::begin(UnzipFlags), std::end(UnzipFlags), 0);
        UnzipFlags[UF_PromptToOverwrite] = 1;
        UnzipFlags[UF_KeepFolders] = 1;
        IncludeCount = 0;
        UnzipArchive = path("a.zip");
        UnzipTargetDir = target;
        dialogs.answers = {answer};
        QCOMPARE(RunUnzip(), 0);
        QCOMPARE(contents(target + "/a.txt"), left);
        QCOMPARE(dialogs.boxes.size(), 2);
        QCOMPARE(dialogs.boxes.at(1).prompt, QStringLiteral("Overwrite %1?").arg(target + "/a.txt"));
        QCOMPARE(dialogs.boxes.at(1).style, platform::vbExclamation + platform::vbYesNoCancel);
        QCOMPARE(dialogs.boxes.at(1).title, QStringLiteral("VBUnZip32 - File Already Exists!"));
    }

    void unzipCallbacks()
    {
        auto zip = opened("none.zip");
        SetCurrentZip(*zip);

        // Print: the first text becomes the comment when asked for, every text is kept.
        char text[] = "first\0hidden";
        CaptureComment = true;
        QCOMPARE(OnUnzipPrint(text, sizeof text), 0);
        QCOMPARE(zip->Comm(), QStringLiteral("first"));
        QVERIFY(!CaptureComment);
        char second[] = "second";
        OnUnzipPrint(second, 3);
        QCOMPARE(zip->Comm(), QStringLiteral("first"));
        QCOMPARE(ZipMessages, QStringLiteral("firstsec"));

        // List entries are recorded only while busy, duplicates too, 256 characters at most.
        ZipMessages.clear();
        OnUnzipListEntry(1, 1, 0, 1, 1, 2000, 0, 0, ' ', "idle.txt", "Stored", 0, ' ');
        QCOMPARE(zip->count(), 0);
        ZipBusy = true;
        const QByteArray longName(300, 'n');
        for (const char* name : {"x.txt", "x.txt", longName.constData()})
            OnUnzipListEntry(1, 1, 0, 1, 1, 2000, 0, 0, ' ', name, "Stored", 0, ' ');
        QCOMPARE(zip->count(), 3);
        QCOMPARE(zip->GetFile(2), QStringLiteral("x.txt"));
        QCOMPARE(zip->GetFile(3), QString(256, 'n'));
        QCOMPARE(ZipMessages, QStringLiteral("x.txtx.txt") + QString(256, 'n'));
        QCOMPARE(OnUnzipService("a.txt", 5), 0);
    }

    void passwordCallbacks()
    {
        for (auto callback : {&OnUnzipPassword, &OnZipPassword}) {
            dialogs = RecordingDialogs();
            char buffer[8];
            std::memset(buffer, '#', sizeof buffer);
            QCOMPARE(callback(buffer, sizeof buffer, "prompt", "entry"), 1); // empty input
            QCOMPARE(QByteArray(buffer, sizeof buffer), QByteArray(8, '#'));
            QCOMPARE(dialogs.inputs.size(), 1);
            QCOMPARE(dialogs.inputs.at(0).prompt, QStringLiteral("Please Enter The Password!"));
            QCOMPARE(dialogs.inputs.at(0).title, platform::applicationTitle());
            QCOMPARE(dialogs.inputs.at(0).defaultText, QString());

            dialogs.typedTexts = {QStringLiteral("abc"), QStringLiteral("much too long")};
            QCOMPARE(callback(buffer, sizeof buffer, "prompt", "entry"), 0);
            QCOMPARE(QByteArray(buffer, sizeof buffer), QByteArray("abc\0\0\0\0\0", 8));
            QCOMPARE(callback(buffer, sizeof buffer, "prompt", "entry"), 0);
            QCOMPARE(QByteArray(buffer, sizeof buffer), QByteArray("much to\0", 8)); // cut to fit
        }
    }

    void zipCallbacks()
    {
        auto zip = opened("none.zip");
        SetCurrentZip(*zip);
        zip->Col()->Add(QStringLiteral("listed.txt"));

        char listed[] = "listed.txt", added[] = "Added.txt", again[] = "ADDED.TXT";
        QCOMPARE(OnZipService(added, 1), 0); // not busy: nothing recorded
        QCOMPARE(zip->count(), 1);
        ZipBusy = true;
        QCOMPARE(OnZipService(added, 1), 0);
        QCOMPARE(OnZipService(again, 1), 0);  // same key: not added again
        QCOMPARE(OnZipService(listed, 1), 0); // a listed name has no key: added
        QCOMPARE(zip->count(), 3);
        QCOMPARE(zip->GetFile(2), QStringLiteral("Added.txt"));
        QCOMPARE(zip->GetFile(3), QStringLiteral("listed.txt"));
        QCOMPARE(ZipMessages, QStringLiteral("Added.txtADDED.TXTlisted.txt"));
        char printed[] = "text";
        QCOMPARE(OnZipPrint(printed, 4), 0);

        char comment[ziplib::kNameBufferSize];
        std::memset(comment, '#', sizeof comment);
        std::memcpy(comment, "old", 4);
        QCOMPARE(OnZipComment(comment), 1); // empty comment: buffer untouched
        QCOMPARE(QByteArray(comment), QByteArray("old"));
        zip->setComm(QStringLiteral("new commen"));
        QCOMPARE(OnZipComment(comment), 1);
        QCOMPARE(QByteArray(comment, 11), QByteArray("new commen\0", 11));
    }

    void addFile()
    {
        makeZip(path("a.zip"), {file("a.txt", "A")});
        writeFile(path("src/new.txt"), QByteArray(2000, 'z'));
        writeFile(path("src/sub/deeper.txt"), "D");
        auto zip = opened("a.zip");
        const qint32 listed = zip->count();

        QCOMPARE(zip->AddFile(path("src/new.txt"), false, true), 0);
        QCOMPARE(zip->count(), listed + 1);
        QCOMPARE(zip->GetFile(zip->count()), QStringLiteral("new.txt"));
        QCOMPARE(ZipMessages, QStringLiteral("a.txtnew.txt")); // adding does not clear the messages
        QVERIFY(!ZipBusy);
        QCOMPARE(CurrentZip.get(), zip.get());
        QCOMPARE(ZipOptions.fLevel, '5');
        QVERIFY(ZipOptions.fJunkDir == 1 && ZipOptions.fRecurse == 0 && ZipOptions.fGrow == 1 && ZipOptions.fComment == 0);
        QVERIFY(ZipOptions.Date.isNull() && ZipOptions.szRootDir.isNull() && ZipOptions.szTempDir.isNull());
        QCOMPARE(ZipNameCount, qint16(1));
        QCOMPARE(ZipNames.Names[0], path("src/new.txt"));
        QCOMPARE(ZipNames.Names[1], QString(QChar(0)));
        QCOMPARE(ZipArchive, path("a.zip"));
        ZipContent content = readZip(path("a.zip"));
        QCOMPARE(content.data.keys(), QStringList({"a.txt", "new.txt"}));
        QCOMPARE(content.data.value("new.txt"), QByteArray(2000, 'z'));
        QCOMPARE(content.method.value("new.txt"), ZIP_CM_DEFLATE);

        // Level: the first character of the number.
        zip->setLevel(0);
        QCOMPARE(zip->AddFile(path("src/sub/deeper.txt"), false, true), 0);
        QCOMPARE(ZipOptions.fLevel, '0');
        QCOMPARE(readZip(path("a.zip")).method.value("deeper.txt"), ZIP_CM_STORE);
        zip->setLevel(7);
        zip->AddFile(path("src/new.txt"), false, true);
        QCOMPARE(ZipOptions.fLevel, '7');
        zip->setLevel(10);
        zip->AddFile(path("src/new.txt"), false, true);
        QCOMPARE(ZipOptions.fLevel, '1');

        // A folder with its content, names kept below the folder's own path.
        QCOMPARE(zip->AddFile(path("src"), true, false), 0);
        const QString stored = QDir::cleanPath(path("src")).mid(1);
        content = readZip(path("a.zip"));
        QVERIFY(content.data.contains(stored + "/"));
        QCOMPARE(content.data.value(stored + "/sub/deeper.txt"), QByteArray("D"));
        QCOMPARE(content.data.value(stored + "/new.txt"), QByteArray(2000, 'z'));

        // The comment goes with the next call, and the flag stays on.
        zip->setComm(QStringLiteral("Commentaire"));
        QCOMPARE(zip->AddFile(path("src/new.txt"), false, true), 0);
        QCOMPARE(readZip(path("a.zip")).comment, QStringLiteral("Commentaire"));
        zip->setComm(QString());
        QCOMPARE(zip->AddFile(path("src/new.txt"), false, true), 0);
        QCOMPARE(ZipOptions.fComment, 1);
        QCOMPARE(readZip(path("a.zip")).comment, QStringLiteral("Commentaire"));

        // A missing file adds nothing and reports it.
        const qint32 before = zip->count();
        QVERIFY(zip->AddFile(path("src/missing.txt")) != 0);
        QCOMPARE(zip->count(), before);

        // What was added unpacks again.
        zip->Init(path("a.zip"));
        QCOMPARE(zip->Decompress(path("out")), 0);
        QCOMPARE(contents(path("out/deeper.txt")), QByteArray("D"));
        QCOMPARE(contents(path("out/") + stored + "/sub/deeper.txt"), QByteArray("D"));

        // A missing archive is created.
        zip->Init(path("fresh.zip"));
        QCOMPARE(zip->AddFile(path("src/sub/deeper.txt"), false, true), 0);
        QCOMPARE(readZip(path("fresh.zip")).data.value("deeper.txt"), QByteArray("D"));
    }

    void encryptedRoundTrip()
    {
        if (!zip_encryption_method_supported(ZIP_EM_AES_256, 1) && !zip_encryption_method_supported(ZIP_EM_TRAD_PKWARE, 1))
            QSKIP("libzip without encryption");
        writeFile(path("secret.txt"), "hidden");
        ziplib::ZPOPT options;
        options.fJunkDir = 1;
        options.fEncrypt = 1;
        options.fLevel = '5';
        ZipCallbacks.print = &OnZipPrint;
        ZipCallbacks.comment = &OnZipComment;
        ZipCallbacks.password = &OnZipPassword;
        ZipCallbacks.service = &OnZipService;
        QCOMPARE(ziplib::ZpInit(&ZipCallbacks), 1);
        QCOMPARE(ziplib::ZpSetOptions(&options), 1);
        const QByteArray names[1] = {QFile::encodeName(path("secret.txt"))};
        QCOMPARE(ziplib::ZpArchive(1, QFile::encodeName(path("enc.zip")), names), ziplib::ZE_ABORT); // no password
        dialogs.typedTexts = {QStringLiteral("pw")};
        QCOMPARE(ziplib::ZpArchive(1, QFile::encodeName(path("enc.zip")), names), 0);

        auto zip = opened("enc.zip");
        dialogs.typedTexts.clear(); // no password: not unpacked
        QVERIFY(zip->Decompress(path("out")) != 0);
        QVERIFY(!QFile::exists(path("out/secret.txt")));
        dialogs.typedTexts = {QStringLiteral("wrong"), QStringLiteral("pw")};
        QCOMPARE(zip->Decompress(path("out")), 0);
        QCOMPARE(contents(path("out/secret.txt")), QByteArray("hidden"));
    }

    void currentZipLifetime()
    {
        std::weak_ptr<ccZip> watch;
        {
            auto zip = opened("none.zip");
            watch = zip;
            zip->Decompress(path("out"));
        }
        QVERIFY(!watch.expired()); // kept alive as the current archive
        {
            ccZip local;
            local.Init(path("none.zip"));
            local.Decompress(path("out"));
            QCOMPARE(CurrentZip.get(), &local);
            QVERIFY(watch.expired()); // replaced as current
        }
        QVERIFY(!CurrentZip); // a destroyed local archive is not left behind
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
