#pragma once
// The help window: the pages of a compiled help file, with its contents on the side.
#include "platform/HelpContent.h"

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace platform {

// A text browser whose pages, images and style sheets come from a help file's content.
// Pages are addressed as "chm:/path/page.html"; relative links resolve against the page shown.
class ChmBrowser : public QTextBrowser {
    Q_OBJECT
public:
    ChmBrowser(const HelpContent& help, QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;
    // Follows a link of the page shown; links that lead to no page that can be shown are ignored.
    void followLink(const QUrl& link);
    // Whether the page at `path` can be laid out in reasonable time.
    static bool canShow(const HelpContent& help, const QString& path);
    // The layout's cost doubles with each level of tables in tables.
    static constexpr int MaxTableNesting = 4;

private:
    const HelpContent& help_;
};

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // Opens on the default topic of `help`, read from `fileName`; `owner` (its window) owns the help window.
    HelpViewer(HelpContent help, const QString& fileName, QWidget* owner);
    ~HelpViewer() override;

    const HelpContent& help() const { return help_; }
    QString fileName() const { return fileName_; }
    ChmBrowser* browser() const { return browser_; }
    QTreeWidget* contents() const { return contents_; }
    // The page shown, as a path inside the file ("/index.html").
    QString currentPage() const;
    // Makes `owner`'s window the owner of the help window, shows it and brings it to the front.
    void present(QWidget* owner);

private:
    void fillContents();
    void selectContentsFor(const QUrl& url);

    const HelpContent help_;
    const QString fileName_;
    ChmBrowser* browser_ = nullptr;
    QTreeWidget* contents_ = nullptr;
};

} // namespace platform
