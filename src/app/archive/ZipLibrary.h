#pragma once
// Our small archive library, built over libzip. It offers the four entry points the
// archive module calls: Wiz_SingleEntryUnzip (listing and unpacking) and ZpInit,
// ZpSetOptions, ZpArchive (adding files), with their option and callback records.
//
// Texts cross this interface as bytes in the local 8-bit encoding (UTF-8 on Linux);
// callbacks receive NUL-terminated byte buffers of the sizes stated below.
//
// Unpacking never writes outside the extraction folder: an entry whose name is absolute,
// carries a drive letter, climbs out with ".." (with "/" or "\"), or is a link or another
// special file is refused, and the run counts as failed. Every file is written to a
// temporary file in its folder and renamed into place only when complete, and never
// grows past the size its entry declares.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace ziplib {

// ---------------------------------------------------------------- unzip side

// Results of Wiz_SingleEntryUnzip.
enum UnzipResult : int {
    UZ_OK = 0,
    UZ_ERR = 2,        // an entry failed: refused name, unreadable or damaged data, encrypted without password
    UZ_BADERR = 3,     // the archive cannot be read as a zip archive (damaged or not a zip)
    UZ_MEM = 4,
    UZ_NOZIP = 9,      // the archive does not exist
    UZ_PARAM = 10,     // bad arguments (no archive name, no extraction folder)
    UZ_FIND = 11,      // no entry matched the include list
    UZ_DISK = 50,      // a write failed (disk full, folder cannot be created...)
    UZ_ABORTED = 80,   // the service callback asked to stop
    // Refusals of a guarded unpacking (UnzipGuard), found before anything is written:
    UZ_REFUSED = 81,   // an entry refused by name, unsafe, or a link
    UZ_BADPWD = 82,    // an encrypted entry
    UZ_TOOBIG = 83,    // more entries or more declared bytes than the guard allows
    UZ_INTHEWAY = 84,  // a folder stands where a file is to be written
};

// Positions of the option words in DCL::OptionWords.
enum UnzipOptionWord : int {
    UO_PromptToOverwrite = 2, // ask the replace callback before replacing an existing file
    UO_List = 6,              // list the entries through the message callback; nothing is written
    UO_ShowComment = 8,       // print the archive comment (first text printed)
    UO_KeepFolders = 9,       // recreate the archive's folders; 0 = every file goes straight into the folder
    UO_Overwrite = 10,        // replace existing files without asking
    UO_WordCount = 15,        // the other words are reserved and must stay 0
};

// What an unpacking may write, for a caller that trusts the archive no further. The whole
// archive is checked before the first file is written; since no file grows past its declared
// size, the bytes written stay within maxSize too.
struct UnzipGuard {
    bool (*accepts)(const QString& entryName) = nullptr; // null: every safe name
    quint32 maxEntries = 0;       // entries in the archive; 0: no bound
    quint64 maxSize = 0;          // declared bytes of the entries unpacked; 0: no bound
    bool refuseEncrypted = false; // fail instead of asking for a password
    QString failedEntry;          // set by the library: the entry a refusal is about
};

// Unzip options.
struct DCL {
    qint16 OptionWords[UO_WordCount] = {};
    QByteArray ZipFileName;   // archive to read
    QByteArray ExtractDir;    // extraction folder (empty when listing)
    UnzipGuard* Guard = nullptr; // unpacking only; null: no guard
};

// Answers of the replace callback.
enum ReplaceAnswer : int {
    IDM_REPLACE_NO = 100,   // keep the existing file
    IDM_REPLACE_YES = 102,  // replace it
    IDM_REPLACE_ALL = 103,  // replace it and every later one without asking
    IDM_REPLACE_NONE = 104, // keep it and every later one without asking
};

constexpr int kUnzipPrintBufferSize = 32801;
constexpr int kUnzipPasswordBufferSize = 257;
constexpr int kNameBufferSize = 4097;

// print(text, length): a text for the user; returns 0.
using UnzipPrintFn = int (*)(char* buffer, unsigned long length);
// sound(): unused, may be null.
using UnzipSoundFn = void (*)();
// replace(file name): asked before replacing an existing file; returns a ReplaceAnswer.
using UnzipReplaceFn = int (*)(char* fileName);
// password(buffer, size, prompt, entry): writes a NUL-terminated password into buffer;
// returns 0 when one was given, non-zero to give up.
using UnzipPasswordFn = int (*)(char* buffer, int size, const char* prompt, const char* entryName);
// message(...): one call per listed entry; the tenth argument is the entry name.
using UnzipMessageFn = void (*)(unsigned long uncompressedSize, unsigned long compressedSize, unsigned ratioPercent,
                                unsigned month, unsigned day, unsigned year, unsigned hour, unsigned minute,
                                char folderMark, const char* entryName, const char* method, unsigned long crc,
                                char encrypted);
// service(entry name, its uncompressed size): called before each entry is unpacked;
// a non-zero result stops the run.
using UnzipServiceFn = int (*)(const char* entryName, unsigned long size);

struct USERFUNCTIONS {
    UnzipPrintFn print = nullptr;
    UnzipSoundFn sound = nullptr;
    UnzipReplaceFn replace = nullptr;
    UnzipPasswordFn password = nullptr;
    UnzipMessageFn message = nullptr;
    UnzipServiceFn service = nullptr;
    // Filled by the library.
    quint64 TotalSizeComp = 0;
    quint64 TotalSize = 0;
    int CompFactor = 0;
    quint32 NumMembers = 0;
    quint32 cchComment = 0;
};

// Lists or unpacks the archive named in dcl. includeNames/excludeNames hold includeCount and
// excludeCount entry names, matched exactly (with "\" and "/" alike); the lists end at their first
// empty name, and an empty include list takes every entry.
int Wiz_SingleEntryUnzip(int includeCount, const QByteArray* includeNames, int excludeCount,
                         const QByteArray* excludeNames, const DCL* dcl, USERFUNCTIONS* callbacks);

// ---------------------------------------------------------------- zip side

// Results of ZpArchive (ZpInit and ZpSetOptions return 1 on success, 0 otherwise).
enum ZipResult : int {
    ZE_OK = 0,
    ZE_FORM = 3,    // the existing archive is damaged
    ZE_ABORT = 9,   // stopped by a callback (service, password refused)
    ZE_NONE = 12,   // nothing to do: no name matched
    ZE_WRITE = 14,  // the archive could not be written
    ZE_CREAT = 15,  // the archive could not be created or opened
    ZE_PARMS = 16,  // bad options or arguments
    ZE_OPEN = 18,   // a file to add could not be read
};

// Zip options.
struct ZPOPT {
    QByteArray Date;      // add only files modified on or after this date ("mmddyyyy" or "yyyy-mm-dd"); null = all
    QByteArray szRootDir; // folder the names are relative to; null = current folder
    QByteArray szTempDir; // unused: libzip writes its temporary file beside the archive
    int fRecurse = 0;     // add the content of folders
    int fJunkDir = 0;     // store names without their folders
    int fEncrypt = 0;     // ask a password through the password callback and encrypt
    int fComment = 0;     // ask the archive comment through the comment callback
    int fGrow = 0;        // 1 = add to an existing archive; 0 = start a new one
    char fLevel = 0;      // '0' stores, '1'..'9' deflate at that level, anything else the default
};

using ZipPrintFn = int (*)(char* buffer, unsigned long length);
// comment(buffer): the buffer holds the archive's current comment; the callback may rewrite it.
using ZipCommentFn = int (*)(char* buffer);
using ZipPasswordFn = int (*)(char* buffer, int size, const char* prompt, const char* entryName);
// service(entry name, file size): one call per file added; a non-zero result stops the run.
using ZipServiceFn = int (*)(char* entryName, unsigned long size);

struct ZIPUSERFUNCTIONS {
    ZipPrintFn print = nullptr;
    ZipCommentFn comment = nullptr;
    ZipPasswordFn password = nullptr;
    ZipServiceFn service = nullptr;
};

int ZpInit(const ZIPUSERFUNCTIONS* callbacks);
int ZpSetOptions(const ZPOPT* options);
// Adds nameCount names (files or folders) to the archive; the list ends at its first empty name.
int ZpArchive(int nameCount, const QByteArray& archive, const QByteArray* names);

} // namespace ziplib
