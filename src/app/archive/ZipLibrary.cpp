#include "app/archive/ZipLibrary.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <zip.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace ziplib {

namespace {

// A byte text up to its first NUL.
QByteArray cText(const QByteArray& bytes)
{
    return bytes.left(static_cast<qsizetype>(qstrnlen(bytes.constData(), static_cast<uint>(bytes.size()))));
}

QString fromBytes(const QByteArray& bytes) { return QString::fromLocal8Bit(cText(bytes)); }

// A zeroed buffer of `size` bytes holding `text` (cut to fit) and its closing NUL.
std::vector<char> makeBuffer(const QByteArray& text, int size)
{
    std::vector<char> buffer(static_cast<size_t>(size), '\0');
    const auto length = std::min<qsizetype>(text.size(), size - 1);
    std::memcpy(buffer.data(), text.constData(), static_cast<size_t>(length));
    return buffer;
}

QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

QString archiveErrorText(zip_t* archive) { return QString::fromUtf8(zip_error_strerror(zip_get_error(archive))); }

// Entry names are compared with "\" taken as a folder separator.
QString comparableName(const QString& name)
{
    QString result = name;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

// The names of a name list: `count` slots at most, ending at the first empty one.
QStringList nameList(int count, const QByteArray* names)
{
    QStringList result;
    for (int i = 0; names && i < count; ++i) {
        const QString name = fromBytes(names[i]);
        if (name.isEmpty())
            break;
        result << name;
    }
    return result;
}

// ------------------------------------------------------------ unzip

class UnzipRun {
public:
    UnzipRun(const DCL& options, USERFUNCTIONS* callbacks) : options_(options), callbacks_(callbacks) {}

    int run(const QStringList& includes, const QStringList& excludes);

private:
    enum class Outcome { Written, Skipped, Failed, WriteFailed, Stopped };

    bool word(UnzipOptionWord which) const { return options_.OptionWords[which] != 0; }
    void print(const QString& text);
    void note(int result) { result_ = std::max(result_, result); }
    bool wanted(const QString& name, const QStringList& includes, const QStringList& excludes) const;
    int vet(UnzipGuard& guard, const QStringList& includes, const QStringList& excludes);
    void listEntry(zip_uint64_t index, const zip_stat_t& stat, const QString& name);
    Outcome extractEntry(zip_uint64_t index, const zip_stat_t& stat, const QString& name);
    bool safeParts(const QString& name, QStringList* parts, bool* isFolder, QString* why) const;
    bool specialFile(zip_uint64_t index, mode_t* mode) const;
    Outcome makeFolders(const QStringList& parts, QString* folder, QString* why);
    bool mayReplace(const QString& path);
    zip_file_t* openEntry(zip_uint64_t index, const zip_stat_t& stat, const QString& name);
    Outcome writeFile(zip_file_t* file, const zip_stat_t& stat, const QString& path, mode_t mode, QString* why);

    const DCL& options_;
    USERFUNCTIONS* callbacks_;
    zip_t* archive_ = nullptr;
    QString root_;
    QByteArray password_;
    bool replaceAll_ = false;
    bool replaceNone_ = false;
    int result_ = UZ_OK;
};

void UnzipRun::print(const QString& text)
{
    if (!callbacks_->print || text.isEmpty())
        return;
    const QByteArray bytes = text.toLocal8Bit();
    std::vector<char> buffer = makeBuffer(bytes, kUnzipPrintBufferSize);
    callbacks_->print(buffer.data(), static_cast<unsigned long>(std::strlen(buffer.data())));
}

bool UnzipRun::wanted(const QString& name, const QStringList& includes, const QStringList& excludes) const
{
    const QString comparable = comparableName(name);
    const auto listed = [&comparable](const QStringList& list) {
        return std::any_of(list.begin(), list.end(), [&comparable](const QString& item) { return comparableName(item) == comparable; });
    };
    if (!includes.isEmpty() && !listed(includes))
        return false;
    return !listed(excludes);
}

int UnzipRun::run(const QStringList& includes, const QStringList& excludes)
{
    const QString archivePath = fromBytes(options_.ZipFileName);
    const bool listing = word(UO_List);
    if (archivePath.isEmpty())
        return UZ_PARAM;
    // Only a regular file: libzip would wait forever on a named pipe.
    if (!QFileInfo(archivePath).isFile()) {
        print(QStringLiteral("error: archive not found: %1\n").arg(archivePath));
        return UZ_NOZIP;
    }
    if (!listing) {
        root_ = fromBytes(options_.ExtractDir);
        if (root_.isEmpty())
            return UZ_PARAM;
    }

    int openError = 0;
    archive_ = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, &openError);
    if (!archive_) {
        print(QStringLiteral("error: cannot read archive %1: %2\n").arg(archivePath, zipErrorText(openError)));
        return UZ_BADERR;
    }
    const int vetted = listing || !options_.Guard ? UZ_OK : vet(*options_.Guard, includes, excludes);
    if (vetted != UZ_OK) {
        zip_discard(archive_);
        archive_ = nullptr;
        return vetted;
    }
    if (!listing && !QDir().mkpath(root_)) {
        print(QStringLiteral("error: cannot create folder %1\n").arg(root_));
        zip_discard(archive_);
        archive_ = nullptr;
        return UZ_DISK;
    }

    zip_uint64_t totalSize = 0;
    zip_uint64_t totalCompressed = 0;
    quint32 members = 0;
    int commentLength = 0;
    const char* comment = zip_get_archive_comment(archive_, &commentLength, ZIP_FL_ENC_GUESS);
    callbacks_->cchComment = static_cast<quint32>(std::max(commentLength, 0));
    if (word(UO_ShowComment) && comment && commentLength > 0)
        print(QString::fromUtf8(comment, commentLength));

    bool matched = false;
    const zip_int64_t entries = zip_get_num_entries(archive_, 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        if (zip_stat_index(archive_, index, ZIP_FL_ENC_GUESS, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME)) {
            print(QStringLiteral("error: entry %1 cannot be read: %2\n").arg(i).arg(archiveErrorText(archive_)));
            note(UZ_ERR);
            continue;
        }
        const QString name = QString::fromUtf8(stat.name);
        if (!wanted(name, includes, excludes))
            continue;
        matched = true;
        ++members;
        totalSize += stat.size;
        totalCompressed += stat.comp_size;
        if (listing) {
            listEntry(index, stat, name);
            continue;
        }
        if (callbacks_->service) {
            const std::vector<char> buffer = makeBuffer(name.toLocal8Bit(), kNameBufferSize);
            if (callbacks_->service(buffer.data(), static_cast<unsigned long>(stat.size)) != 0) {
                note(UZ_ABORTED);
                break;
            }
        }
        const Outcome outcome = extractEntry(index, stat, name);
        if (outcome == Outcome::Failed)
            note(UZ_ERR);
        if (outcome == Outcome::WriteFailed || outcome == Outcome::Stopped) {
            note(outcome == Outcome::WriteFailed ? UZ_DISK : UZ_ABORTED);
            break;
        }
    }
    zip_discard(archive_);
    archive_ = nullptr;

    callbacks_->NumMembers = members;
    callbacks_->TotalSize = totalSize;
    callbacks_->TotalSizeComp = totalCompressed;
    callbacks_->CompFactor =
        totalSize == 0 ? 0 : static_cast<int>(100 - std::min<zip_uint64_t>(100, totalCompressed * 100 / totalSize));
    if (!includes.isEmpty() && !matched)
        note(UZ_FIND);
    return result_;
}

// Checks every entry to be unpacked against the guard, so that a refused archive leaves
// nothing behind.
int UnzipRun::vet(UnzipGuard& guard, const QStringList& includes, const QStringList& excludes)
{
    guard.failedEntry.clear();
    const zip_int64_t entries = zip_get_num_entries(archive_, 0);
    if (guard.maxEntries != 0 && entries > zip_int64_t(guard.maxEntries)) {
        print(QStringLiteral("error: %1 entries, more than %2\n").arg(entries).arg(guard.maxEntries));
        return UZ_TOOBIG;
    }
    zip_uint64_t declared = 0;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t stat;
        constexpr zip_uint64_t needed = ZIP_STAT_NAME | ZIP_STAT_SIZE | ZIP_STAT_ENCRYPTION_METHOD;
        if (zip_stat_index(archive_, zip_uint64_t(i), ZIP_FL_ENC_GUESS, &stat) != 0 || (stat.valid & needed) != needed) {
            print(QStringLiteral("error: entry %1 cannot be read: %2\n").arg(i).arg(archiveErrorText(archive_)));
            return UZ_BADERR;
        }
        const QString name = QString::fromUtf8(stat.name);
        if (!wanted(name, includes, excludes))
            continue;
        QStringList parts;
        bool isFolder = false;
        QString why;
        mode_t mode = 0;
        int refusal = UZ_OK;
        if (!safeParts(name, &parts, &isFolder, &why) || specialFile(zip_uint64_t(i), &mode)
            || (guard.accepts && !guard.accepts(name))) {
            refusal = UZ_REFUSED;
            why = QStringLiteral("not accepted");
        } else if (guard.refuseEncrypted && stat.encryption_method != ZIP_EM_NONE) {
            refusal = UZ_BADPWD;
            why = QStringLiteral("encrypted");
        } else if (guard.maxSize != 0 && stat.size > guard.maxSize - declared) {
            refusal = UZ_TOOBIG;
            why = QStringLiteral("more than %1 bytes in all").arg(guard.maxSize);
        } else if (!isFolder) {
            const QFileInfo target(QDir(root_).filePath(word(UO_KeepFolders) ? parts.join(QLatin1Char('/')) : parts.last()));
            if (target.isDir() && !target.isSymLink()) {
                refusal = UZ_INTHEWAY;
                why = QStringLiteral("a folder stands in the way");
            }
        }
        if (refusal != UZ_OK) {
            guard.failedEntry = name;
            print(QStringLiteral("error: %1 refused, nothing unpacked: %2\n").arg(name, why));
            return refusal;
        }
        declared += stat.size;
    }
    return UZ_OK;
}

void UnzipRun::listEntry(zip_uint64_t, const zip_stat_t& stat, const QString& name)
{
    if (!callbacks_->message)
        return;
    const QDateTime time = QDateTime::fromSecsSinceEpoch(stat.mtime);
    const unsigned ratio = stat.size == 0 ? 0u : static_cast<unsigned>(100 - std::min<zip_uint64_t>(100, stat.comp_size * 100 / stat.size));
    const char* method = stat.comp_method == ZIP_CM_STORE ? "Stored" : (stat.comp_method == ZIP_CM_DEFLATE ? "Defl:N" : "Unknown");
    const std::vector<char> nameBuffer = makeBuffer(name.toLocal8Bit(), kNameBufferSize);
    char methodBuffer[16] = {};
    std::strncpy(methodBuffer, method, sizeof methodBuffer - 1);
    const bool folder = name.endsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('\\'));
    callbacks_->message(static_cast<unsigned long>(stat.size), static_cast<unsigned long>(stat.comp_size), ratio,
                        static_cast<unsigned>(time.date().month()), static_cast<unsigned>(time.date().day()),
                        static_cast<unsigned>(time.date().year()), static_cast<unsigned>(time.time().hour()),
                        static_cast<unsigned>(time.time().minute()), folder ? 'd' : ' ', nameBuffer.data(), methodBuffer,
                        static_cast<unsigned long>(stat.crc), stat.encryption_method != ZIP_EM_NONE ? 'E' : ' ');
}

// Splits an entry name into the folders and file it makes below the extraction folder,
// or refuses it when it could lead anywhere else.
bool UnzipRun::safeParts(const QString& rawName, QStringList* parts, bool* isFolder, QString* why) const
{
    const QString name = comparableName(rawName);
    if (name.isEmpty()) {
        *why = QStringLiteral("empty name");
        return false;
    }
    if (name.startsWith(QLatin1Char('/'))) {
        *why = QStringLiteral("absolute path");
        return false;
    }
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).unicode() < 128 && name.at(0).isLetter()) {
        *why = QStringLiteral("drive letter");
        return false;
    }
    *isFolder = name.endsWith(QLatin1Char('/'));
    for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            *why = QStringLiteral("path climbs out of the folder");
            return false;
        }
        parts->append(part);
    }
    if (parts->isEmpty() && !*isFolder) {
        *why = QStringLiteral("no file name");
        return false;
    }
    return true;
}

// True for a link or another special file (device, pipe, socket); `mode` receives the
// permission bits stored with the entry, when any.
bool UnzipRun::specialFile(zip_uint64_t index, mode_t* mode) const
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive_, index, 0, &system, &attributes) != 0 || system != ZIP_OPSYS_UNIX)
        return false;
    const auto unixMode = static_cast<mode_t>(attributes >> 16);
    *mode = unixMode & 0777;
    const mode_t type = unixMode & S_IFMT;
    return type != 0 && type != S_IFREG && type != S_IFDIR;
}

// Creates the missing folders of `parts` below the extraction folder, one by one, never
// passing through a link or a file that stands in the way.
UnzipRun::Outcome UnzipRun::makeFolders(const QStringList& parts, QString* folder, QString* why)
{
    QString current = root_;
    for (const QString& part : parts) {
        current = QDir(current).filePath(part);
        const QFileInfo info(current);
        if (info.isSymLink()) {
            *why = QStringLiteral("the folder %1 is a link").arg(current);
            return Outcome::Failed;
        }
        if (info.exists()) {
            if (!info.isDir()) {
                *why = QStringLiteral("%1 is not a folder").arg(current);
                return Outcome::Failed;
            }
            continue;
        }
        if (!QDir().mkdir(current)) {
            *why = QStringLiteral("cannot create folder %1").arg(current);
            return Outcome::WriteFailed;
        }
    }
    *folder = current;
    return Outcome::Written;
}

// Whether an existing file may be replaced, asking the replace callback when told to.
bool UnzipRun::mayReplace(const QString& path)
{
    if (word(UO_Overwrite) || replaceAll_)
        return true;
    if (replaceNone_ || !word(UO_PromptToOverwrite) || !callbacks_->replace)
        return false;
    std::vector<char> buffer = makeBuffer(path.toLocal8Bit(), kNameBufferSize);
    switch (callbacks_->replace(buffer.data())) {
    case IDM_REPLACE_YES: return true;
    case IDM_REPLACE_ALL: replaceAll_ = true; return true;
    case IDM_REPLACE_NONE: replaceNone_ = true; return false;
    default: return false;
    }
}

// Opens an entry for reading, asking the password callback for an encrypted one.
zip_file_t* UnzipRun::openEntry(zip_uint64_t index, const zip_stat_t& stat, const QString& name)
{
    if (stat.encryption_method == ZIP_EM_NONE)
        return zip_fopen_index(archive_, index, 0);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (password_.isEmpty()) {
            if (!callbacks_->password)
                return nullptr;
            std::vector<char> buffer(kUnzipPasswordBufferSize, '\0');
            const QByteArray prompt = QStringLiteral("%1 password: ").arg(name).toLocal8Bit();
            const QByteArray entry = name.toLocal8Bit();
            if (callbacks_->password(buffer.data(), kUnzipPasswordBufferSize, prompt.constData(), entry.constData()) != 0)
                return nullptr;
            buffer.back() = '\0';
            password_ = QByteArray(buffer.data());
            if (password_.isEmpty())
                return nullptr;
        }
        if (zip_file_t* file = zip_fopen_index_encrypted(archive_, index, 0, password_.constData()))
            return file;
        if (zip_error_code_zip(zip_get_error(archive_)) != ZIP_ER_WRONGPASSWD)
            return nullptr;
        print(QStringLiteral("error: wrong password for %1\n").arg(name));
        password_.clear();
    }
    return nullptr;
}

// Writes an entry's data to a temporary file beside `path`, then renames it into place.
UnzipRun::Outcome UnzipRun::writeFile(zip_file_t* file, const zip_stat_t& stat, const QString& path, mode_t mode,
                                      QString* why)
{
    QTemporaryFile temporary(QDir(QFileInfo(path).path()).filePath(QStringLiteral(".unzip-XXXXXX")));
    if (!temporary.open()) {
        zip_fclose(file);
        *why = QStringLiteral("cannot create a file in %1").arg(QFileInfo(path).path());
        return Outcome::WriteFailed;
    }
    std::vector<char> chunk(1 << 16);
    zip_uint64_t total = 0;
    zip_int64_t read = 0;
    while ((read = zip_fread(file, chunk.data(), chunk.size())) > 0) {
        // A header that understates the size must not let more through.
        if ((stat.valid & ZIP_STAT_SIZE) && total + zip_uint64_t(read) > stat.size) {
            zip_fclose(file);
            *why = QStringLiteral("damaged data: longer than the %1 bytes declared").arg(stat.size);
            return Outcome::Failed;
        }
        if (temporary.write(chunk.data(), read) != read) {
            zip_fclose(file);
            *why = QStringLiteral("write failed: %1").arg(temporary.errorString());
            return Outcome::WriteFailed;
        }
        total += static_cast<zip_uint64_t>(read);
    }
    const QString readError = QString::fromUtf8(zip_error_strerror(zip_file_get_error(file)));
    const int closeError = zip_fclose(file);
    if (read < 0 || closeError != 0 || ((stat.valid & ZIP_STAT_SIZE) && total != stat.size)) {
        *why = QStringLiteral("damaged data: %1").arg(read < 0 ? readError : zipErrorText(closeError));
        return Outcome::Failed;
    }
    if (!temporary.flush()) {
        *why = QStringLiteral("write failed: %1").arg(temporary.errorString());
        return Outcome::WriteFailed;
    }
    QFileDevice::Permissions permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (mode & 0111)
        permissions |= QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    temporary.setPermissions(permissions);
    if (stat.valid & ZIP_STAT_MTIME)
        temporary.setFileTime(QDateTime::fromSecsSinceEpoch(stat.mtime), QFileDevice::FileModificationTime);
    temporary.close();
    if (temporary.error() != QFileDevice::NoError) {
        *why = QStringLiteral("write failed: %1").arg(temporary.errorString());
        return Outcome::WriteFailed;
    }
    // rename() replaces a file, or a link itself, never what a link points to.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        *why = QStringLiteral("cannot put %1 in place: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return Outcome::WriteFailed;
    }
    temporary.setAutoRemove(false);
    return Outcome::Written;
}

UnzipRun::Outcome UnzipRun::extractEntry(zip_uint64_t index, const zip_stat_t& stat, const QString& name)
{
    QStringList parts;
    bool isFolder = false;
    QString why;
    mode_t mode = 0;
    Outcome outcome = Outcome::Failed;
    if (!safeParts(name, &parts, &isFolder, &why)) {
        // refused
    } else if (specialFile(index, &mode)) {
        why = QStringLiteral("link or special file");
    } else if (isFolder) {
        QString folder;
        if (!word(UO_KeepFolders) || parts.isEmpty())
            return Outcome::Skipped;
        outcome = makeFolders(parts, &folder, &why);
        if (outcome == Outcome::Written)
            print(QStringLiteral("   creating: %1\n").arg(name));
    } else {
        const QString fileName = parts.takeLast();
        QString folder = root_;
        if (word(UO_KeepFolders))
            outcome = makeFolders(parts, &folder, &why);
        else
            outcome = makeFolders({}, &folder, &why);
        if (outcome == Outcome::Written) {
            const QString path = QDir(folder).filePath(fileName);
            const QFileInfo existing(path);
            if (existing.isDir() && !existing.isSymLink()) {
                why = QStringLiteral("a folder stands in the way");
                outcome = Outcome::Failed;
            } else if ((existing.exists() || existing.isSymLink()) && !mayReplace(path)) {
                return Outcome::Skipped;
            } else if (zip_file_t* file = openEntry(index, stat, name)) {
                outcome = writeFile(file, stat, path, mode, &why);
                if (outcome == Outcome::Written)
                    print(QStringLiteral("%1: %2\n")
                              .arg(stat.comp_method == ZIP_CM_STORE ? QStringLiteral(" extracting")
                                                                     : QStringLiteral("  inflating"),
                                   name));
            } else {
                why = stat.encryption_method != ZIP_EM_NONE ? QStringLiteral("no valid password")
                                                            : QStringLiteral("cannot read: %1").arg(archiveErrorText(archive_));
                outcome = Outcome::Failed;
            }
        }
    }
    if (outcome == Outcome::Failed || outcome == Outcome::WriteFailed)
        print(QStringLiteral("error: %1 not unpacked: %2\n").arg(name, why));
    return outcome;
}

// ------------------------------------------------------------ zip

struct ZipState {
    ZIPUSERFUNCTIONS callbacks;
    ZPOPT options;
};

ZipState& zipState()
{
    static ZipState state;
    return state;
}

// The name a file is stored under: its path without drive, leading "/", "." or "..".
QString storedName(const QString& path)
{
    QString name = comparableName(path);
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':'))
        name = name.mid(2);
    QStringList kept;
    for (const QString& part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part != QLatin1String(".") && part != QLatin1String(".."))
            kept << part;
    }
    return kept.join(QLatin1Char('/'));
}

struct ZipItem {
    QString path;  // file on disk
    QString entry; // name in the archive ("/" at the end for a folder)
    bool folder = false;
};

class ZipRun {
public:
    ZipRun(const ZIPUSERFUNCTIONS& callbacks, const ZPOPT& options) : callbacks_(callbacks), options_(options) {}
    int run(const QString& archivePath, const QStringList& names);

private:
    void print(const QString& text);
    void collect(const QString& name, const QString& base, std::vector<ZipItem>* items);
    bool newEnough(const QFileInfo& info) const { return !since_.isValid() || info.lastModified().date() >= since_; }
    int addItem(zip_t* archive, const ZipItem& item, const QByteArray& password);

    const ZIPUSERFUNCTIONS& callbacks_;
    const ZPOPT& options_;
    QDate since_;
};

void ZipRun::print(const QString& text)
{
    if (!callbacks_.print)
        return;
    std::vector<char> buffer = makeBuffer(text.toLocal8Bit(), kNameBufferSize);
    callbacks_.print(buffer.data(), static_cast<unsigned long>(std::strlen(buffer.data())));
}

void ZipRun::collect(const QString& name, const QString& base, std::vector<ZipItem>* items)
{
    const QFileInfo info(QDir(base).absoluteFilePath(name));
    if (!info.exists()) {
        print(QStringLiteral("zip warning: name not matched: %1\n").arg(name));
        return;
    }
    const bool junk = options_.fJunkDir != 0;
    const QString stored = junk ? info.fileName() : storedName(name);
    if (!info.isDir()) {
        if (newEnough(info))
            items->push_back({info.absoluteFilePath(), stored, false});
        return;
    }
    if (!junk && !stored.isEmpty())
        items->push_back({info.absoluteFilePath(), stored + QLatin1Char('/'), true});
    if (!options_.fRecurse)
        return;
    const QDir folder(info.absoluteFilePath());
    QDirIterator it(info.absoluteFilePath(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    std::vector<ZipItem> found;
    while (it.hasNext()) {
        const QFileInfo child(it.next());
        const QString relative = folder.relativeFilePath(child.absoluteFilePath());
        const QString entry = junk ? child.fileName() : (stored.isEmpty() ? relative : stored + QLatin1Char('/') + relative);
        if (child.isDir()) {
            if (!junk)
                found.push_back({child.absoluteFilePath(), entry + QLatin1Char('/'), true});
        } else if (newEnough(child)) {
            found.push_back({child.absoluteFilePath(), entry, false});
        }
    }
    std::sort(found.begin(), found.end(), [](const ZipItem& a, const ZipItem& b) { return a.entry < b.entry; });
    items->insert(items->end(), found.begin(), found.end());
}

int ZipRun::addItem(zip_t* archive, const ZipItem& item, const QByteArray& password)
{
    const QByteArray entry = item.entry.toUtf8();
    if (item.folder) {
        if (zip_name_locate(archive, entry.constData(), ZIP_FL_ENC_UTF_8) >= 0)
            return ZE_OK;
        return zip_dir_add(archive, entry.constData(), ZIP_FL_ENC_UTF_8) < 0 ? ZE_WRITE : ZE_OK;
    }
    QFile probe(item.path);
    if (!probe.open(QIODevice::ReadOnly)) {
        print(QStringLiteral("zip warning: could not open for reading: %1\n").arg(item.path));
        return ZE_OPEN;
    }
    probe.close();
    zip_source_t* source = zip_source_file(archive, QFile::encodeName(item.path).constData(), 0, -1);
    if (!source)
        return ZE_OPEN;
    const zip_int64_t index = zip_file_add(archive, entry.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        print(QStringLiteral("zip error: cannot add %1: %2\n").arg(item.entry, archiveErrorText(archive)));
        return ZE_WRITE;
    }
    const auto at = static_cast<zip_uint64_t>(index);
    const char level = options_.fLevel;
    if (level == '0')
        zip_set_file_compression(archive, at, ZIP_CM_STORE, 0);
    else if (level >= '1' && level <= '9')
        zip_set_file_compression(archive, at, ZIP_CM_DEFLATE, static_cast<zip_uint32_t>(level - '0'));
    const QFileInfo info(item.path);
    zip_file_set_mtime(archive, at, static_cast<time_t>(info.lastModified().toSecsSinceEpoch()), 0);
    struct stat status;
    if (::stat(QFile::encodeName(item.path).constData(), &status) == 0)
        zip_file_set_external_attributes(archive, at, 0, ZIP_OPSYS_UNIX,
                                         static_cast<zip_uint32_t>(S_IFREG | (status.st_mode & 0777)) << 16);
    if (!password.isEmpty()) {
        const zip_uint16_t method =
            zip_encryption_method_supported(ZIP_EM_AES_256, 1) ? ZIP_EM_AES_256 : ZIP_EM_TRAD_PKWARE;
        if (zip_file_set_encryption(archive, at, method, password.constData()) != 0)
            return ZE_PARMS;
    }
    return ZE_OK;
}

int ZipRun::run(const QString& archivePath, const QStringList& names)
{
    if (archivePath.isEmpty())
        return ZE_PARMS;
    const QByteArray date = cText(options_.Date);
    if (!date.isEmpty()) {
        const QString text = QString::fromLatin1(date);
        since_ = QDate::fromString(text, QStringLiteral("MMddyyyy"));
        if (!since_.isValid())
            since_ = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (!since_.isValid())
            return ZE_PARMS;
    }
    const QByteArray rootBytes = cText(options_.szRootDir);
    const QString base = rootBytes.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(rootBytes);

    std::vector<ZipItem> items;
    for (const QString& name : names)
        collect(name, base, &items);
    if (items.empty())
        return ZE_NONE;

    QByteArray password;
    if (options_.fEncrypt) {
        std::vector<char> buffer(kNameBufferSize, '\0');
        const QByteArray archiveBytes = archivePath.toLocal8Bit();
        if (!callbacks_.password
            || callbacks_.password(buffer.data(), kNameBufferSize, "Enter password: ", archiveBytes.constData()) != 0) {
            print(QStringLiteral("zip error: no password given\n"));
            return ZE_ABORT;
        }
        buffer.back() = '\0';
        password = QByteArray(buffer.data());
        if (password.isEmpty())
            return ZE_ABORT;
    }

    int openError = 0;
    const int flags = ZIP_CREATE | (options_.fGrow ? 0 : ZIP_TRUNCATE);
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), flags, &openError);
    if (!archive) {
        print(QStringLiteral("zip error: cannot open %1: %2\n").arg(archivePath, zipErrorText(openError)));
        return openError == ZIP_ER_NOZIP || openError == ZIP_ER_INCONS ? ZE_FORM : ZE_CREAT;
    }

    int result = ZE_OK;
    for (const ZipItem& item : items) {
        const int added = addItem(archive, item, password);
        if (added != ZE_OK) {
            result = added;
            continue;
        }
        print(QStringLiteral("  adding: %1\n").arg(item.entry));
        if (callbacks_.service) {
            std::vector<char> buffer = makeBuffer(item.entry.toLocal8Bit(), kNameBufferSize);
            const auto size = item.folder ? 0ul : static_cast<unsigned long>(QFileInfo(item.path).size());
            if (callbacks_.service(buffer.data(), size) != 0) {
                zip_discard(archive);
                return ZE_ABORT;
            }
        }
    }

    if (options_.fComment && callbacks_.comment) {
        int length = 0;
        const char* current = zip_get_archive_comment(archive, &length, ZIP_FL_ENC_GUESS);
        const QByteArray existing = current ? QString::fromUtf8(current, length).toLocal8Bit() : QByteArray();
        std::vector<char> buffer = makeBuffer(existing, kNameBufferSize);
        callbacks_.comment(buffer.data());
        buffer.back() = '\0';
        const QByteArray comment = QString::fromLocal8Bit(buffer.data()).toUtf8();
        zip_set_archive_comment(archive, comment.constData(), static_cast<zip_uint16_t>(comment.size()));
    }

    if (zip_close(archive) != 0) {
        print(QStringLiteral("zip error: cannot write %1: %2\n").arg(archivePath, archiveErrorText(archive)));
        zip_discard(archive);
        return ZE_WRITE;
    }
    return result;
}

} // namespace

int Wiz_SingleEntryUnzip(int includeCount, const QByteArray* includeNames, int excludeCount,
                         const QByteArray* excludeNames, const DCL* dcl, USERFUNCTIONS* callbacks)
{
    if (!dcl || !callbacks)
        return UZ_PARAM;
    UnzipRun run(*dcl, callbacks);
    return run.run(nameList(includeCount, includeNames), nameList(excludeCount, excludeNames));
}

int ZpInit(const ZIPUSERFUNCTIONS* callbacks)
{
    if (!callbacks)
        return 0;
    zipState().callbacks = *callbacks;
    return 1;
}

int ZpSetOptions(const ZPOPT* options)
{
    if (!options)
        return 0;
    zipState().options = *options;
    return 1;
}

int ZpArchive(int nameCount, const QByteArray& archive, const QByteArray* names)
{
    const ZipState state = zipState();
    ZipRun run(state.callbacks, state.options);
    return run.run(fromBytes(archive), nameList(nameCount, names));
}

} // namespace ziplib
