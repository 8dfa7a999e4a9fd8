// geomira-helpreader FILE: reads a compiled help file and writes what the help window shows of
// it on standard output (the stream of platform::HelpContent). chmlib divides by zero, reads out
// of bounds or loops forever on some damaged files; in here such a fault ends this program only,
// and the program that asked for help tells the user the file is unreadable. So does a default
// page that cannot be laid out in reasonable time; other such pages are left out.
#include "helpreader/PageLayout.h"
#include "platform/ChmFile.h"
#include "platform/HelpContent.h"

#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>

using platform::ChmFile;
using platform::HelpContent;

namespace {

bool endsWith(const QString& path, std::initializer_list<const char*> suffixes)
{
    for (const char* suffix : suffixes)
        if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    return false;
}

// The pages first, the default topic before all, then what they refer to (pictures, style
// sheets) and what the style sheets refer to in turn, as long as the bounds allow.
HelpContent gather(const ChmFile& chm)
{
    static const QRegularExpression reference(
        QStringLiteral(R"re((?:\b(?:src|href)\s*=\s*["']?|\burl\(\s*["']?)([^"'\s>)]+))re"),
        QRegularExpression::CaseInsensitiveOption);
    HelpContent help;
    help.title = chm.title();
    help.defaultTopic = chm.defaultTopic();
    help.contents = chm.contents();
    help.pages = chm.pages();

    QStringList queue = QStringList{help.defaultTopic} + help.pages;
    QSet<QString> seen;
    for (qsizetype i = 0; i < queue.size(); ++i) {
        const QString path = queue.at(i);
        if (seen.contains(path.toLower()))
            continue;
        seen.insert(path.toLower());
        const bool text = endsWith(path, {".html", ".htm", ".css"});
        const qsizetype limit = text ? HelpContent::MaxPageSize : HelpContent::MaxObjectSize;
        const std::optional<QByteArray> data = chm.read(path, limit);
        // What chmlib cannot decompress (a truncated file) comes out as zero bytes: no page.
        if (!data || (text && data->contains('\0')) || !help.addObject(path, *data) || !text)
            continue;
        const QUrl base = HelpContent::pageUrl(path);
        for (auto it = reference.globalMatch(QString::fromUtf8(*data)); it.hasNext();) {
            const QUrl url = base.resolved(QUrl(it.next().captured(1)));
            if (url.scheme() == HelpContent::Scheme)
                queue.append(url.path());
        }
    }
    return help;
}

// Leaves out whatever the help window could open as a page and not lay out in time; false when that
// is the default topic.
bool keepPagesThatLayOut(HelpContent* help)
{
    using helpreader::PageLayoutBudgetMs;
    const helpreader::PageLayout layout;
    if (!layout.laysOutInTime(*help, help->defaultTopic, PageLayoutBudgetMs))
        return false;
    const QString defaultTopic = help->defaultTopic.toLower();
    for (const QString& path : help->paths()) {
        if (path != defaultTopic && help->page(path) && !layout.laysOutInTime(*help, path, PageLayoutBudgetMs))
            help->removeObject(path);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    // Pages are laid out as the help window would, on no screen; the file's name is no option of Qt's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    const QGuiApplication application(qtArgc, argv);
    const std::unique_ptr<ChmFile> chm = ChmFile::open(QFile::decodeName(argv[1]));
    if (!chm || chm->defaultTopic().isEmpty())
        return 1;
    HelpContent help = gather(*chm);
    if (!keepPagesThatLayOut(&help))
        return 1;
    const QByteArray bytes = help.toBytes();
    if (bytes.size() > HelpContent::MaxSize)
        return 1;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}
