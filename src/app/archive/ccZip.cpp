#include "app/archive/ccZip.h"

#include "app/archive/mZipDLLProc.h"

#include <QFileInfo>

// ---------------------------------------------------------------- ZipEntryList

bool ZipEntryList::Add(const QString& item, const QString& key)
{
    if (!key.isEmpty()) {
        const QString folded = key.toCaseFolded();
        if (keys_.contains(folded))
            return false;
        keys_.insert(folded);
    }
    items_.append(item);
    return true;
}

QString ZipEntryList::Item(qint32 index) const
{
    if (index < 1 || index > Count())
        return QString();
    return items_.at(index - 1);
}

// ---------------------------------------------------------------- ccZip

ccZip::~ccZip()
{
    Class_Terminate();
    mZipDLLProc::ForgetCurrentZip(this);
}

void ccZip::Class_Terminate() { ClearList(); }

void ccZip::ClearList() { mCol.reset(); }

void ccZip::Init(const QString& iName)
{
    using namespace mZipDLLProc;
    ZipMessages.clear();  // a missing archive must not show the last one's messages
    ClearList();
    mCol = std::make_unique<ZipEntryList>();
    mName = iName;
    if (!iName.isEmpty() && QFileInfo(iName).isFile()) {
        ZipBusy = true;
        ListEntries();
        CaptureComment = true;
        ReadComment();
        ZipBusy = false;
    }
    mLevel = 5;
}

void ccZip::ListEntries() { RunListingPass(false); }

void ccZip::ReadComment() { RunListingPass(true); }

void ccZip::RunListingPass(bool showComment)
{
    using namespace mZipDLLProc;
    ZipMessages.clear();
    UnzipFlags[UF_PromptToOverwrite] = 1;
    UnzipFlags[UF_Overwrite] = 0;
    UnzipFlags[UF_List] = 1;
    UnzipFlags[UF_KeepFolders] = 1;
    UnzipFlags[UF_ShowComment] = showComment ? 1 : 0;
    IncludeCount = 0;
    IncludeNames.Names[0] = QString();
    ExcludeCount = 0;
    UnzipArchive = mName;
    UnzipTargetDir = QString();
    SetCurrentZip(*this);
    RunUnzip();
}

qint32 ccZip::Decompress(const QString& sTargetRoot, const QString& iName, ziplib::UnzipGuard* guard)
{
    using namespace mZipDLLProc;
    if (sTargetRoot.isEmpty())
        return 1;
    ZipMessages.clear();
    UnzipFlags[UF_Overwrite] = 1;
    UnzipFlags[UF_KeepFolders] = 1;
    UnzipFlags[UF_PromptToOverwrite] = 0;
    UnzipFlags[UF_List] = 0;
    UnzipFlags[UF_ShowComment] = 0;
    IncludeNames.Names[0] = iName;
    if (!mName.isEmpty())
        IncludeCount = 1;
    ExcludeCount = 0;
    UnzipArchive = mName;
    UnzipTargetDir = sTargetRoot;
    CurrentGuard = guard;
    SetCurrentZip(*this);
    return RunUnzip();
}

qint32 ccZip::AddFile(const QString& sPath, bool bRecurse, bool bJunkDir)
{
    using namespace mZipDLLProc;
    ZipOptions.Date = QByteArray();
    ZipOptions.fRecurse = bRecurse ? 1 : 0;
    ZipOptions.fJunkDir = bJunkDir ? 1 : 0;
    ZipOptions.fLevel = QString::number(mLevel).at(0).toLatin1();
    if (!mComm.isEmpty())
        ZipOptions.fComment = 1;
    ZipOptions.fGrow = 1;

    ZipNameCount = 1;
    ZipNames.Names[0] = sPath;
    ZipNames.Names[1] = QString(QChar(0));
    ZipArchive = mName;

    ZipBusy = true;
    SetCurrentZip(*this);
    const qint32 result = RunZip();
    ZipBusy = false;
    return result;
}

QString ccZip::GetFile(qint32 lIndex) const
{
    if (!mCol || lIndex < 1 || lIndex > mCol->Count())
        return QString();
    return mCol->Item(lIndex);
}

QString ccZip::GetZipInfo() const { return mZipDLLProc::ZipMessages; }
