#pragma once
// One zip archive: its path, the names of its entries, its comment and the compression
// level used when files are added. It unpacks the archive into a folder and adds files
// or folders to it through the archive library.
//
// Create it with std::make_shared so that it stays alive while it is the current archive.
#include "app/archive/ZipLibrary.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

// An ordered list of texts indexed from 1. An item may be added under a key; keys compare
// without regard to case and a key already present refuses the item.
class ZipEntryList {
public:
    // Appends item; false (nothing added) when key is not empty and already present.
    bool Add(const QString& item, const QString& key = QString());
    // The item at index 1..Count(); the empty text otherwise.
    QString Item(qint32 index) const;
    qint32 Count() const { return static_cast<qint32>(items_.size()); }

private:
    QStringList items_;
    QSet<QString> keys_;
};

class ccZip : public std::enable_shared_from_this<ccZip> {
public:
    ccZip() = default;
    ~ccZip();
    ccZip(const ccZip&) = delete;
    ccZip& operator=(const ccZip&) = delete;

    // The entry list itself (null before Init).
    ZipEntryList* Col() const { return mCol.get(); }
    qint32 count() const { return mCol ? mCol->Count() : 0; }
    QString Name() const { return mName; }
    QString Comm() const { return mComm; }
    void setComm(const QString& iComm) { mComm = iComm; }
    qint32 Level() const { return mLevel; }
    void setLevel(qint32 iLevel) { mLevel = iLevel; }

    // Opens the archive iName: a fresh entry list, filled with its entries and its comment
    // when the file exists; the level becomes 5.
    void Init(const QString& iName);
    // Adds a file or folder; returns the library's result (0 on success).
    qint32 AddFile(const QString& sPath, bool bRecurse = false, bool bJunkDir = false);
    // The entry name at 1..count, the empty text otherwise.
    QString GetFile(qint32 lIndex) const;
    // Unpacks the whole archive (no name) or one entry into sTargetRoot, recreating its
    // folders and replacing existing files. Returns 1 for an empty target, otherwise the
    // library's result: 0 on success, non-zero when the archive is missing or damaged, an
    // entry was refused as unsafe or a write failed. A guard, when given, bounds what may
    // be unpacked (ziplib::UnzipGuard) and receives the name of a refused entry.
    qint32 Decompress(const QString& sTargetRoot, const QString& iName = QString(), ziplib::UnzipGuard* guard = nullptr);
    // What the library reported since the last unpacking, listing or comment operation began.
    QString GetZipInfo() const;

private:
    friend class TestArchive;

    void ClearList();
    void ListEntries();
    void ReadComment();
    void RunListingPass(bool showComment);
    void Class_Terminate();

    std::unique_ptr<ZipEntryList> mCol;
    QString mName;
    QString mComm;
    qint32 mLevel = 0;
};
