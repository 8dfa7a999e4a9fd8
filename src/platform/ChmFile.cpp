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

} // namespace

std::unique_ptr<ChmFile> ChmFile::open(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile())
        return nullptr;
    chmFile* handle = chm_open(QFile::encodeName(fileName).constData());
    if (!handle)
        return nullptr;
    std::unique_ptr<ChmFile> file(new ChmFile(handle, fileName));
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
            entry.depth = qMax(0, level - 1);
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
