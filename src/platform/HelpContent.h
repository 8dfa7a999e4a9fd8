#pragma once
// What the help window shows of a compiled help file, and the stream in which the help
// reader (geomira-helpreader, a program of its own) hands it over to the program.
#include <QByteArray>
#include <QHash>
#include <QLatin1String>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace platform {

class HelpContent {
public:
    // One line of the table of contents; depth 0 is the outermost level.
    struct ContentsEntry {
        QString name;
        QString path; // inside the file, such as "/index.html"; empty for a heading without a page
        int depth = 0;
    };

    QString title;        // may be empty
    QString defaultTopic; // the page the help opens on
    QList<ContentsEntry> contents;
    QStringList pages;    // every page of the file, in name order

    // The object at `path` ("/a/b.gif"), or nullptr. Help files name objects without regard to case.
    const QByteArray* object(const QString& path) const;
    // The same for what is laid out as text (pages, style sheets): nothing that fails canLayOut,
    // so that no page can hold the help window in its layout.
    const QByteArray* page(const QString& path) const;
    // What the page at `base` refers to as `name` (relative to it, or a "chm:" address): an image
    // (`image`), else a page or style sheet as page() gives it; nullptr for anything else.
    const QByteArray* resource(const QUrl& base, const QUrl& name, bool image) const;
    // The paths of every object kept, in lower case.
    QStringList paths() const { return objects_.keys(); }
    // Whether Qt's rich text can parse the page in reasonable time and stack: its cost grows with
    // the square of the nesting and of the elements, and its fixed-point lengths overflow into an
    // endless layout on huge numbers (a cell spacing of 10^8 pixels).
    static bool canLayOut(const QByteArray& page);
    // Keeps the object unless it is above MaxObjectSize or the objects would pass MaxObjectBytes.
    bool addObject(const QString& path, const QByteArray& data);
    void removeObject(const QString& path);

    // The address of a page in the help window: "chm:/path/page.html".
    static QUrl pageUrl(const QString& path);
    static constexpr QLatin1String Scheme{"chm"};

    QByteArray toBytes() const;
    // Nothing unless the stream is one the reader writes, whole, with a default topic that can be shown.
    static std::optional<HelpContent> fromBytes(const QByteArray& bytes);

    // The pages of our help are a few KB each, a few hundred elements nested a few levels deep.
    static constexpr qsizetype MaxPageSize = 64 * 1024;
    static constexpr int MaxElements = 5000;
    static constexpr int MaxNesting = 32;
    // No length the layout meets may have more digits (10^6 pixels is far beyond any page).
    static constexpr int MaxDigits = 6;
    // The levels of the table of contents: deeper entries are refused, as the tree would recurse.
    static constexpr int MaxContentsDepth = 32;
    static constexpr qsizetype MaxObjectSize = 4 * 1024 * 1024;
    static constexpr qsizetype MaxObjectBytes = 8 * 1024 * 1024;
    // The width at which the help window lays its pages out when it opens.
    static constexpr int PageWidth = 530;
    // The whole stream: the objects and every name.
    static constexpr qsizetype MaxSize = 16 * 1024 * 1024;

private:
    QHash<QString, QByteArray> objects_; // by lower-case path
    qsizetype objectBytes_ = 0;
};

} // namespace platform
