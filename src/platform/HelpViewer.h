#pragma once
// The help window: the pages of a compiled help file, with its contents on the side.
#include "platform/ChmFile.h"

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include <memory>

class QTreeWidget;
class QTreeWidgetItem;

namespace platform {

// A text browser whose pages, images and style sheets are read from a help file.
// Pages are addressed as "chm:/path/page.html"; relative links resolve against the page shown.
class ChmBrowser : public QTextBrowser {
    Q_OBJECT
public:
    ChmBrowser(const ChmFile& chm, QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;
    // The address of a page of the file.
    static QUrl pageUrl(const QString& path);
    // Follows a link of the page shown; links that lead nowhere inside the file are ignored.
    void followLink(const QUrl& link);

private:
    const ChmFile& chm_;
};

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    // Opens on the file's default topic; `owner` (its window) owns the help window.
    HelpViewer(std::unique_ptr<ChmFile> chm, QWidget* owner);
    ~HelpViewer() override;

    const ChmFile& chm() const { return *chm_; }
    ChmBrowser* browser() const { return browser_; }
    QTreeWidget* contents() const { return contents_; }
    // The page shown, as a path inside the file ("/index.html").
    QString currentPage() const;
    // Makes `owner`'s window the owner of the help window, shows it and brings it to the front.
    void present(QWidget* owner);

private:
    void fillContents();
    void selectContentsFor(const QUrl& url);

    std::unique_ptr<ChmFile> chm_;
    ChmBrowser* browser_ = nullptr;
    QTreeWidget* contents_ = nullptr;
};

} // namespace platform
