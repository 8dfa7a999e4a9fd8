#include "platform/ChmFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <chm_lib.h>

namespace platform {

namespace {

// Texts stored in the file: UTF-8 when valid, else the Western code page of older help files.
QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder western("windows-1252");
    return western.isValid() ? western(bytes) : QString::fromLatin1(bytes);
}

QString normalised(QString path)
{
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path;
}

bool isPage(const QString& path)
{
    return path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

// A page reference without its "#anchor" part.
QString withoutAnchor(const QString& reference)
{
    const qsizetype hash = reference.indexOf(QLatin1Char('#'));
    return hash >= 0 ? reference.left(hash) : reference;
}

QString unescapeHtml(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

struct Listing {
    QStringList pages;
    QStringList hhc;
    int objects = 0;
};

extern "C" int collectObject(chmFile*, chmUnitInfo* ui, void* context)
{
    auto* listing = static_cast<Listing*>(context);
    if (++listing->objects > ChmFile::MaxObjects)
        return CHM_ENUMERATOR_FAILURE;
    const QString path = decodeText(QByteArray(ui->path, int(qstrnlen(ui->path, sizeof ui->path))));
    if (isPage(path))
        listing->pages.append(path);
    else if (path.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive))
        listing->hhc.append(path);
    return CHM_ENUMERATOR_CONTINUE;
}

quint64 littleEndian(const QByteArray& bytes, qsizetype at, int size)
{
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

// Whether the length `length` at `offset` lies within a file of `size` bytes.
bool fits(quint64 offset, quint64 length, quint64 size)
{
    return offset <= size && length <= size - offset;
}

// The offset of the content section when the sizes the file declares for itself (its own length,
// the header, the directory) fit in its real length: a copy cut short keeps its directory whole
// and loses pages, which chmlib "decompresses" into garbage.
std::optional<quint64> contentOffset(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const quint64 size = quint64(file.size());
    auto readAt = [&file](quint64 offset, qsizetype length) {
        return file.seek(qint64(offset)) ? file.read(length) : QByteArray();
    };
    // "ITSF", version, header length, ..., at 0x38 the header sections (offset, length) of the
    // file-size record and of the directory, at 0x58 (version 3) the content offset.
    const QByteArray header = readAt(0, 0x60);
    if (header.size() < 0x58 || !header.startsWith("ITSF"))
        return std::nullopt;
    const quint64 headerLength = littleEndian(header, 8, 4);
    const quint64 sizeRecord = littleEndian(header, 0x38, 8);
    const quint64 directory = littleEndian(header, 0x48, 8);
    const quint64 directoryLength = littleEndian(header, 0x50, 8);
    if (headerLength > size || !fits(directory, directoryLength, size))
        return std::nullopt;
    // The file-size record holds the file's length at 8; the directory ("ITSP") its header
    // length at 8, its chunk size at 0x10 and its number of chunks at 0x2C.
    const QByteArray record = readAt(sizeRecord, 0x18);
    const QByteArray listing = readAt(directory, 0x54);
    if (record.size() < 0x18 || littleEndian(record, 8, 8) > size || listing.size() < 0x54
        || !listing.startsWith("ITSP"))
        return std::nullopt;
    const quint64 chunks = littleEndian(listing, 0x10, 4) * littleEndian(listing, 0x2C, 4);
    if (littleEndian(listing, 8, 4) + chunks > directoryLength)
        return std::nullopt;
    return header.size() >= 0x60 && headerLength >= 0x60 ? littleEndian(header, 0x58, 8) : directory + directoryLength;
}

} // namespace

std::unique_ptr<ChmFile> ChmFile::open(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile())
        return nullptr;
    const std::optional<quint64> content = contentOffset(fileName);
    if (!content)
        return nullptr;
    chmFile* handle = chm_open(QFile::encodeName(fileName).constData());
    if (!handle)
        return nullptr;
    std::unique_ptr<ChmFile> file(new ChmFile(handle, fileName));
    if (!file->compressedSectionFits(*content, quint64(QFileInfo(fileName).size())))
        return nullptr;
    QString contentsFile;
    QStringList hhcFiles;
    file->loadSystem(&contentsFile);
    if (!file->loadPages(&hhcFiles))
        return nullptr;
    if (!contentsFile.isEmpty() && file->contains(contentsFile))
        file->loadContents(normalised(contentsFile));
    else if (!hhcFiles.isEmpty())
        file->loadContents(hhcFiles.first());
    return file;
}

ChmFile::ChmFile(chmFile* handle, const QString& fileName) : handle_(handle), fileName_(fileName) {}

ChmFile::~ChmFile()
{
    chm_close(handle_);
}

bool ChmFile::contains(const QString& path) const
{
    const QByteArray name = normalised(path).toUtf8();
    if (name.size() > CHM_MAX_PATHLEN)
        return false;
    chmUnitInfo ui;
    return chm_resolve_object(handle_, name.constData(), &ui) == CHM_RESOLVE_SUCCESS;
}

std::optional<QByteArray> ChmFile::read(const QString& path, qint64 maxSize) const
{
    const QByteArray name = normalised(path).toUtf8();
    if (name.size() > CHM_MAX_PATHLEN)
        return std::nullopt;
    chmUnitInfo ui;
    if (chm_resolve_object(handle_, name.constData(), &ui) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (ui.length > LONGUINT64(qMin(maxSize, MaxObjectSize)))
        return std::nullopt;
    const auto length = qsizetype(ui.length);
    QByteArray data(length, Qt::Uninitialized);
    if (length == 0)
        return data;
    const LONGINT64 got = chm_retrieve_object(handle_, &ui, reinterpret_cast<unsigned char*>(data.data()), 0, length);
    if (got != length)
        return std::nullopt;
    return data;
}

// The compressed section is one object of the content section, with a table of where each
// block of it starts: both must lie within the file, or its pages would be read past its end.
bool ChmFile::compressedSectionFits(quint64 contentOffset, quint64 fileSize) const
{
    chmUnitInfo section;
    if (chm_resolve_object(handle_, "::DataSpace/Storage/MSCompressed/Content", &section) != CHM_RESOLVE_SUCCESS)
        return true; // no compressed pages
    if (section.space != CHM_UNCOMPRESSED || !fits(contentOffset, section.start, fileSize)
        || !fits(contentOffset + section.start, section.length, fileSize))
        return false;
    // The reset table: version, block count, ..., at 0x18 the compressed length, at 0x28 the
    // offset of each block (8 bytes each).
    chmUnitInfo resetTable;
    if (chm_resolve_object(handle_,
                           "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
                           "InstanceData/ResetTable",
                           &resetTable)
            != CHM_RESOLVE_SUCCESS
        || resetTable.length < 0x28 || resetTable.length > LONGUINT64(MaxObjectSize))
        return false;
    QByteArray table(qsizetype(resetTable.length), Qt::Uninitialized);
    if (chm_retrieve_object(handle_, &resetTable, reinterpret_cast<unsigned char*>(table.data()), 0, table.size())
        != table.size())
        return false;
    const quint64 compressed = littleEndian(table, 0x18, 8);
    if (compressed > section.length)
        return false;
    for (qsizetype at = 0x28; at + 8 <= table.size(); at += 8) {
        if (littleEndian(table, at, 8) > compressed)
            return false;
    }
    return true;
}

// The "/#SYSTEM" object: a 4-byte version, then records of a 16-bit code, a 16-bit
// length and that many bytes (little-endian). Code 0 names the contents file,
// code 2 the default topic, code 3 the title; texts end with a NUL.
void ChmFile::loadSystem(QString* contentsFile)
{
    const std::optional<QByteArray> system = read(QStringLiteral("/#SYSTEM"));
    if (!system)
        return;
    const QByteArray& data = *system;
    auto word = [&data](qsizetype at) {
        return int(quint8(data[at])) | (int(quint8(data[at + 1])) << 8);
    };
    auto text = [](const QByteArray& bytes) {
        const qsizetype nul = bytes.indexOf('\0');
        return decodeText(nul >= 0 ? bytes.left(nul) : bytes).trimmed();
    };
    qsizetype pos = 4;
    while (pos + 4 <= data.size()) {
        const int code = word(pos);
        const int length = word(pos + 2);
        pos += 4;
        if (pos + length > data.size())
            break;
        const QByteArray payload = data.mid(pos, length);
        pos += length;
        switch (code) {
        case 0: *contentsFile = text(payload); break;
        case 2: defaultTopic_ = text(payload); break;
        case 3: title_ = text(payload); break;
        default: break;
        }
    }
}

bool ChmFile::loadPages(QStringList* hhcFiles)
{
    Listing listing;
    chm_enumerate(handle_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, collectObject, &listing);
    if (listing.objects > MaxObjects)
        return false;
    listing.pages.sort(Qt::CaseInsensitive);
    listing.hhc.sort(Qt::CaseInsensitive);
    pages_ = listing.pages;
    *hhcFiles = listing.hhc;

    // The recorded topic counts only when it can really be read.
    if (!defaultTopic_.isEmpty()) {
        defaultTopic_ = normalised(withoutAnchor(defaultTopic_));
        if (!read(defaultTopic_))
            defaultTopic_.clear();
    }
    if (!defaultTopic_.isEmpty())
        return true;
    QStringList candidates = {QStringLiteral("/index.html"), QStringLiteral("/index.htm")};
    candidates += pages_;
    for (const QString& page : candidates) {
        if (read(page)) {
            defaultTopic_ = page;
            return true;
        }
    }
    return true;
}

// The contents file is an HTML list: <UL> opens a level, </UL> closes it, and each
// <OBJECT type="text/sitemap"> carries the "Name" and "Local" parameters of one entry.
void ChmFile::loadContents(const QString& hhcPath)
{
    const std::optional<QByteArray> bytes = read(hhcPath);
    if (!bytes)
        return;
    const QString hhc = decodeText(*bytes);
    static const QRegularExpression token(
        QStringLiteral(R"re((<\s*ul\b[^>]*>)|(<\s*/\s*ul\s*>)|(<\s*object\b.*?<\s*/\s*object\s*>))re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression param(
        QStringLiteral(R"re(<\s*param\s+name\s*=\s*"([^"]*)"\s+value\s*=\s*"([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    const QString hhcFolder = hhcPath.left(hhcPath.lastIndexOf(QLatin1Char('/')) + 1);
    int level = 0;
    for (auto it = token.globalMatch(hhc); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(1)) {
            ++level;
        } else if (m.capturedLength(2)) {
            level = qMax(0, level - 1);
        } else {
            ContentsEntry entry;
            // A table of contents nested deeper than anyone reads is damaged: its deep entries
            // are shown at the deepest level the help window accepts.
            entry.depth = qBound(0, level - 1, HelpContent::MaxContentsDepth);
            for (auto p = param.globalMatch(m.captured(3)); p.hasNext();) {
                const QRegularExpressionMatch pm = p.next();
                const QString key = pm.captured(1).trimmed();
                const QString value = unescapeHtml(pm.captured(2));
                if (key.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 && entry.name.isEmpty())
                    entry.name = value;
                else if (key.compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0)
                    entry.path = normalised(value.startsWith(QLatin1Char('/')) ? withoutAnchor(value)
                                                                                : hhcFolder + withoutAnchor(value));
            }
            if (!entry.name.isEmpty())
                contents_.append(entry);
        }
    }
}

} // namespace platform
