#pragma once
// Glue between the archive class ccZip and the archive library: the option and callback
// records, the name lists, the flags and texts shared with the callbacks, the two call
// routines and the callbacks through which the library reports texts and names, asks for
// passwords, asks before overwriting and asks for the archive comment.
#include "app/archive/ZipLibrary.h"

#include <QString>

#include <memory>

class ccZip;

namespace mZipDLLProc {

constexpr int kNameSlots = 100;
constexpr int kUnzipFlagCount = 15;

// A record of 100 name slots.
struct NameSlots {
    QString Names[kNameSlots];
};

// Positions of the unzip option words in UnzipFlags.
enum UnzipFlag : int {
    UF_PromptToOverwrite = ziplib::UO_PromptToOverwrite,
    UF_List = ziplib::UO_List,
    UF_ShowComment = ziplib::UO_ShowComment,
    UF_KeepFolders = ziplib::UO_KeepFolders,
    UF_Overwrite = ziplib::UO_Overwrite,
};

// True while ccZip::Init lists and reads the comment, and while ccZip::AddFile runs: only
// then do the list and zip service callbacks record names.
extern bool ZipBusy;
// True: the next text printed by the unzip library becomes the current archive's comment.
extern bool CaptureComment;
// Every text printed by the unzip library and every name recorded by the callbacks.
extern QString ZipMessages;
// The archive whose operation runs (kept alive by this reference when shared-owned).
extern std::shared_ptr<ccZip> CurrentZip;

extern qint16 UnzipFlags[kUnzipFlagCount];
extern QString UnzipArchive;
extern QString UnzipTargetDir;
extern qint32 IncludeCount;
extern qint32 ExcludeCount;
extern NameSlots IncludeNames;
extern NameSlots ExcludeNames;
// The guard of the next unpacking (null: none); RunUnzip clears it once the run is over.
extern ziplib::UnzipGuard* CurrentGuard;

extern qint16 ZipNameCount;
extern QString ZipArchive;
extern NameSlots ZipNames;

extern ziplib::DCL UnzipOptions;
extern ziplib::USERFUNCTIONS UnzipCallbacks;
extern ziplib::ZPOPT ZipOptions;
extern ziplib::ZIPUSERFUNCTIONS ZipCallbacks;

// CurrentZip = zip. A zip owned by a std::shared_ptr is held by a counted reference; any
// other is referenced until it is destroyed.
void SetCurrentZip(ccZip& zip);
// Builds the unzip records and runs the library; returns its result.
qint32 RunUnzip();
// Builds the zip callbacks and runs ZpInit, ZpSetOptions, ZpArchive; returns the last result.
qint32 RunZip();

template <typename Routine>
Routine CallbackAddress(Routine routine)
{
    return routine;
}

// Unzip library callbacks.
int OnUnzipPrint(char* buffer, unsigned long length);
int OnUnzipService(const char* entryName, unsigned long size);
int OnUnzipPassword(char* buffer, int size, const char* prompt, const char* entryName);
int OnUnzipReplace(char* fileName);
void OnUnzipListEntry(unsigned long uncompressedSize, unsigned long compressedSize, unsigned ratioPercent,
                      unsigned month, unsigned day, unsigned year, unsigned hour, unsigned minute, char folderMark,
                      const char* entryName, const char* method, unsigned long crc, char encrypted);
// Zip library callbacks.
int OnZipPrint(char* buffer, unsigned long length);
int OnZipService(char* entryName, unsigned long size);
int OnZipPassword(char* buffer, int size, const char* prompt, const char* entryName);
int OnZipComment(char* buffer);

// Called by ~ccZip: forgets a current archive that is not shared-owned.
void ForgetCurrentZip(const ccZip* zip);

} // namespace mZipDLLProc
