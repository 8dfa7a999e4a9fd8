#pragma once
// Read-only access to a compiled HTML help file (.chm) through chmlib. chmlib faults on some
// damaged files: only the help reader (src/helpreader) uses this, never the program itself.
#include "platform/HelpContent.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct chmFile;

namespace platform {

class ChmFile {
public:
    using ContentsEntry = HelpContent::ContentsEntry;

    // Opens the file; nullptr when it is missing, not a compiled help file, declares sections
    // beyond its end (a copy cut short), or lists more than MaxObjects objects (a directory
    // that leads back to itself lists them forever).
    static std::unique_ptr<ChmFile> open(const QString& fileName);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    QString fileName() const { return fileName_; }
    // The page the help opens on: the default topic recorded in the file, or else
    // "/index.html" ("/index.htm"), or else the first page in name order; empty
    // when the file holds no page that can be read.
    QString defaultTopic() const { return defaultTopic_; }
    // The title recorded in the file (may be empty).
    QString title() const { return title_; }
    // Every .htm/.html page, in name order.
    QStringList pages() const { return pages_; }
    // The table of contents (.hhc) when the file has one.
    QList<ContentsEntry> contents() const { return contents_; }

    // True when the object exists. Paths are absolute inside the file ("/a/b.html");
    // a missing leading slash is added.
    bool contains(const QString& path) const;
    // The whole object, or nothing when it is missing, above maxSize or cannot be read.
    std::optional<QByteArray> read(const QString& path, qint64 maxSize = MaxObjectSize) const;

    // Objects larger than this are refused rather than allocated.
    static constexpr qint64 MaxObjectSize = 64 * 1024 * 1024;
    static constexpr int MaxObjects = 100000;

private:
    ChmFile(chmFile* handle, const QString& fileName);
    bool compressedSectionFits(quint64 contentOffset, quint64 fileSize) const;
    void loadSystem(QString* contentsFile);
    bool loadPages(QStringList* hhcFiles);
    void loadContents(const QString& hhcPath);

    chmFile* handle_ = nullptr;
    QString fileName_;
    QString defaultTopic_;
    QString title_;
    QStringList pages_;
    QList<ContentsEntry> contents_;
};

} // namespace platform
