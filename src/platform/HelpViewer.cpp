#include "platform/HelpViewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace platform {

namespace {
const QString Scheme = QStringLiteral("chm");
}

ChmBrowser::ChmBrowser(const ChmFile& chm, QWidget* parent) : QTextBrowser(parent), chm_(chm)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::followLink);
}

QUrl ChmBrowser::pageUrl(const QString& path)
{
    QUrl url;
    url.setScheme(Scheme);
    url.setPath(path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path);
    return url;
}

QVariant ChmBrowser::loadResource(int, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != Scheme)
        return {};
    const std::optional<QByteArray> data = chm_.read(url.path());
    return data ? QVariant(*data) : QVariant();
}

void ChmBrowser::followLink(const QUrl& link)
{
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (url.scheme() != Scheme || !chm_.contains(url.path()))
        return;
    setSource(url);
}

HelpViewer::HelpViewer(std::unique_ptr<ChmFile> chm, QWidget* owner)
    : QWidget(owner ? owner->window() : nullptr, Qt::Window), chm_(std::move(chm))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(chm_->title().isEmpty() ? QStringLiteral("Aide") : chm_->title());

    auto* splitter = new QSplitter(this);
    contents_ = new QTreeWidget(splitter);
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);
    browser_ = new ChmBrowser(*chm_, splitter);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 530});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(780, 560);

    fillContents();
    auto openItem = [this](QTreeWidgetItem* item) {
        const QUrl url = ChmBrowser::pageUrl(item->data(0, Qt::UserRole).toString());
        if (url.path().length() > 1 && url != browser_->source())
            browser_->followLink(url);
    };
    connect(contents_, &QTreeWidget::itemClicked, this, openItem);
    connect(contents_, &QTreeWidget::itemActivated, this, openItem);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::selectContentsFor);

    browser_->setSource(ChmBrowser::pageUrl(chm_->defaultTopic()));
}

HelpViewer::~HelpViewer() = default;

QString HelpViewer::currentPage() const
{
    return browser_->source().path();
}

void HelpViewer::present(QWidget* owner)
{
    QWidget* window = owner ? owner->window() : nullptr;
    if (window != parentWidget()) {
        const QRect place = geometry();
        setParent(window, Qt::Window); // reparenting hides the window
        setGeometry(place);
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

// The table of contents, or the list of pages when the file has none.
void HelpViewer::fillContents()
{
    QList<QTreeWidgetItem*> parents;
    const QList<ChmFile::ContentsEntry> entries = chm_->contents();
    for (const ChmFile::ContentsEntry& entry : entries) {
        const int depth = qMin(entry.depth, int(parents.size()));
        parents.resize(depth);
        auto* item = depth == 0 ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.name);
        item->setData(0, Qt::UserRole, entry.path);
        parents.append(item);
    }
    if (entries.isEmpty()) {
        for (const QString& page : chm_->pages()) {
            auto* item = new QTreeWidgetItem(contents_);
            item->setText(0, page.mid(1));
            item->setData(0, Qt::UserRole, page);
        }
    }
    contents_->expandAll();
}

void HelpViewer::selectContentsFor(const QUrl& url)
{
    const QString path = url.path();
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        const QString itemPath = ChmBrowser::pageUrl((*it)->data(0, Qt::UserRole).toString()).path();
        if (itemPath.compare(path, Qt::CaseInsensitive) == 0) {
            const QSignalBlocker block(contents_);
            contents_->setCurrentItem(*it);
            return;
        }
    }
}

} // namespace platform
