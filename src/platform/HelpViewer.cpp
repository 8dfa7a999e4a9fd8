#include "platform/HelpViewer.h"

#include "platform/Screen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace platform {

ChmBrowser::ChmBrowser(const HelpContent& help, QWidget* parent) : QTextBrowser(parent), help_(help)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::followLink);
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name)
{
    const QByteArray* data = help_.resource(source(), name, type == QTextDocument::ImageResource);
    return data ? QVariant(*data) : QVariant();
}

void ChmBrowser::followLink(const QUrl& link)
{
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (url.scheme() != HelpContent::Scheme || !canShow(help_, url.path()))
        return;
    setSource(url);
}

namespace {

// The depth of tables in tables under `frame`, counted no further than `limit`.
int tableNesting(const QTextFrame* frame, int limit)
{
    int deepest = 0;
    if (limit > 0) {
        for (const QTextFrame* child : frame->childFrames())
            deepest = qMax(deepest, 1 + tableNesting(child, limit - 1));
    }
    return deepest;
}

} // namespace

// A damaged page nests tables it never opened (a stray <td> after a <li> starts a table inside
// the list, the next one another inside that), which the markup alone does not tell: the page
// is parsed apart, which costs little, and its tables are counted before any layout.
bool ChmBrowser::canShow(const HelpContent& help, const QString& path)
{
    const QByteArray* page = help.page(path);
    if (!page)
        return false;
    QTextDocument parsed;
    parsed.setHtml(QString::fromUtf8(*page));
    return tableNesting(parsed.rootFrame(), MaxTableNesting + 1) <= MaxTableNesting;
}

HelpViewer::HelpViewer(HelpContent help, const QString& fileName, QWidget* owner)
    : QWidget(owner ? owner->window() : nullptr, Qt::Window), help_(std::move(help)), fileName_(fileName)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(help_.title.isEmpty() ? QStringLiteral("Aide") : help_.title);

    auto* splitter = new QSplitter(this);
    contents_ = new QTreeWidget(splitter);
    contents_->setHeaderHidden(true);
    contents_->setRootIsDecorated(true);
    browser_ = new ChmBrowser(help_, splitter);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, HelpContent::PageWidth});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(250 + HelpContent::PageWidth, 560);

    fillContents();
    auto openItem = [this](QTreeWidgetItem* item) {
        const QUrl url = HelpContent::pageUrl(item->data(0, Qt::UserRole).toString());
        if (url.path().length() > 1 && url != browser_->source())
            browser_->followLink(url);
    };
    connect(contents_, &QTreeWidget::itemClicked, this, openItem);
    connect(contents_, &QTreeWidget::itemActivated, this, openItem);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::selectContentsFor);

    browser_->setSource(HelpContent::pageUrl(help_.defaultTopic));
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
    if (!testAttribute(Qt::WA_WState_ExplicitShowHide))
        centreOnScreen(this);
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
    const QList<HelpContent::ContentsEntry>& entries = help_.contents;
    for (const HelpContent::ContentsEntry& entry : entries) {
        const int depth = qMin(entry.depth, int(parents.size()));
        parents.resize(depth);
        auto* item = depth == 0 ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.name);
        item->setData(0, Qt::UserRole, entry.path);
        parents.append(item);
    }
    if (entries.isEmpty()) {
        for (const QString& page : help_.pages) {
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
        const QString itemPath = HelpContent::pageUrl((*it)->data(0, Qt::UserRole).toString()).path();
        if (itemPath.compare(path, Qt::CaseInsensitive) == 0) {
            const QSignalBlocker block(contents_);
            contents_->setCurrentItem(*it);
            return;
        }
    }
}

} // namespace platform
