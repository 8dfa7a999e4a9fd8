#include "platform/HelpContent.h"

#include <QDataStream>
#include <QIODevice>

#include <cctype>

namespace platform {

namespace {

constexpr quint32 Magic = 0x47484c50; // "GHLP"
constexpr quint16 Version = 1;
constexpr auto StreamVersion = QDataStream::Qt_6_4;

// The stream: magic, version, then records of a kind byte and its fields, closed by End.
enum Record : quint8 { End, Title, DefaultTopic, Entry, Page, Object };

QString key(const QString& path)
{
    QString k = path.toLower();
    k.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return k.startsWith(QLatin1Char('/')) ? k : QLatin1Char('/') + k;
}

} // namespace

const QByteArray* HelpContent::object(const QString& path) const
{
    const auto it = objects_.constFind(key(path));
    return it == objects_.cend() ? nullptr : &*it;
}

const QByteArray* HelpContent::page(const QString& path) const
{
    const QByteArray* data = object(path);
    return data && canLayOut(*data) ? data : nullptr;
}

// Counts what an HTML parser would make of the page, roughly and never less: elements that close
// themselves (a new <p>, <li> or <td> ends the last one) and empty ones add no level, and an end
// tag closes the innermost element of its name with all those it holds.
bool HelpContent::canLayOut(const QByteArray& page)
{
    static const QList<QByteArray> levelless = {
        "p", "li", "dt", "dd", "tr", "td", "th", "thead", "tbody", "tfoot", "option", "br", "img", "hr", "meta",
        "link", "input", "col", "area", "base", "basefont", "param", "wbr", "frame", "embed", "source"};
    if (page.size() > MaxPageSize)
        return false;
    QList<QByteArray> open;
    int elements = 0;
    int digits = 0;
    for (qsizetype i = 0; i < page.size(); ++i) {
        digits = std::isdigit(quint8(page[i])) ? digits + 1 : 0;
        if (digits > MaxDigits)
            return false;
        if (page[i] != '<')
            continue;
        const bool closing = page.mid(i + 1, 1) == "/";
        const qsizetype start = i + 1 + int(closing);
        qsizetype end = start;
        while (end < page.size() && std::isalnum(quint8(page[end])))
            ++end;
        // Comments and declarations (<!-- -->, <!DOCTYPE>) have no name: they are no elements.
        const QByteArray name = page.mid(start, end - start).toLower();
        if (name.isEmpty())
            continue;
        if (closing) {
            const qsizetype at = open.lastIndexOf(name);
            if (at >= 0)
                open.resize(at);
        } else if (++elements > MaxElements) {
            return false;
        } else if (!levelless.contains(name)) {
            open.append(name);
            if (open.size() > MaxNesting)
                return false;
        }
    }
    return true;
}

const QByteArray* HelpContent::resource(const QUrl& base, const QUrl& name, bool image) const
{
    const QUrl url = name.isRelative() ? base.resolved(name) : name;
    if (url.scheme() != Scheme)
        return nullptr;
    return image ? object(url.path()) : page(url.path());
}

bool HelpContent::addObject(const QString& path, const QByteArray& data)
{
    if (data.size() > MaxObjectSize || objectBytes_ + data.size() > MaxObjectBytes)
        return false;
    objects_.insert(key(path), data);
    objectBytes_ += data.size();
    return true;
}

void HelpContent::removeObject(const QString& path)
{
    const auto it = objects_.constFind(key(path));
    if (it == objects_.cend())
        return;
    objectBytes_ -= it->size();
    objects_.erase(it);
}

QUrl HelpContent::pageUrl(const QString& path)
{
    QUrl url;
    url.setScheme(Scheme);
    url.setPath(path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path);
    return url;
}

QByteArray HelpContent::toBytes() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << Magic << Version << quint8(Title) << title << quint8(DefaultTopic) << defaultTopic;
    for (const ContentsEntry& entry : contents)
        out << quint8(Entry) << entry.name << entry.path << qint32(entry.depth);
    for (const QString& path : pages)
        out << quint8(Page) << path;
    for (auto it = objects_.cbegin(); it != objects_.cend(); ++it)
        out << quint8(Object) << it.key() << it.value();
    out << quint8(End);
    return bytes;
}

// Counts are never read from the stream (Qt's container operators reserve whatever count they
// are given): every item is a record of its own, and strings are read by Qt in bounded steps.
std::optional<HelpContent> HelpContent::fromBytes(const QByteArray& bytes)
{
    if (bytes.size() > MaxSize)
        return std::nullopt;
    QDataStream in(bytes);
    in.setVersion(StreamVersion);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (magic != Magic || version != Version)
        return std::nullopt;
    HelpContent help;
    quint8 kind = End;
    while (in >> kind, in.status() == QDataStream::Ok && kind != End) {
        QString path;
        QByteArray data;
        ContentsEntry entry;
        qint32 depth = 0;
        switch (kind) {
        case Title: in >> help.title; break;
        case DefaultTopic: in >> help.defaultTopic; break;
        case Entry:
            in >> entry.name >> entry.path >> depth;
            if (depth < 0 || depth > MaxContentsDepth)
                return std::nullopt;
            entry.depth = depth;
            help.contents.append(entry);
            break;
        case Page:
            in >> path;
            help.pages.append(path);
            break;
        case Object:
            in >> path >> data;
            if (!help.addObject(path, data))
                return std::nullopt;
            break;
        default: return std::nullopt;
        }
    }
    if (in.status() != QDataStream::Ok || !in.atEnd() || !help.page(help.defaultTopic))
        return std::nullopt;
    return help;
}

} // namespace platform
