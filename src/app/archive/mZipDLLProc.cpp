#include "app/archive/mZipDLLProc.h"

#include "app/archive/ccZip.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace mZipDLLProc {

bool ZipBusy = false;
bool CaptureComment = false;
QString ZipMessages;
std::shared_ptr<ccZip> CurrentZip;

qint16 UnzipFlags[kUnzipFlagCount] = {};
QString UnzipArchive;
QString UnzipTargetDir;
qint32 IncludeCount = 0;
qint32 ExcludeCount = 0;
NameSlots IncludeNames;
NameSlots ExcludeNames;
ziplib::UnzipGuard* CurrentGuard = nullptr;

qint16 ZipNameCount = 0;
QString ZipArchive;
NameSlots ZipNames;

ziplib::DCL UnzipOptions;
ziplib::USERFUNCTIONS UnzipCallbacks;
ziplib::ZPOPT ZipOptions;
ziplib::ZIPUSERFUNCTIONS ZipCallbacks;

namespace {

// The current archive when it is not shared-owned (referenced without a count).
const ccZip* unownedCurrent = nullptr;

constexpr int kListNameLimit = 256;

// A text from a library buffer: its bytes up to the first NUL, `limit` bytes at most.
QString readText(const char* buffer, qsizetype limit)
{
    if (!buffer || limit <= 0)
        return QString();
    const auto length = static_cast<qsizetype>(qstrnlen(buffer, static_cast<uint>(std::min<qsizetype>(limit, 0x7fffffff))));
    return QString::fromLocal8Bit(buffer, length);
}

// Writes text and its closing NUL into a buffer of `size` bytes, cut to fit.
void writeText(char* buffer, int size, const QString& text)
{
    if (!buffer || size <= 0)
        return;
    const QByteArray bytes = text.toLocal8Bit();
    const auto length = std::min<qsizetype>(bytes.size(), size - 1);
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(length));
    buffer[length] = '\0';
}

void processPendingEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

// The password box shared by both libraries.
int askPassword(char* buffer, int size, const char* prompt)
{
    const QString input = platform::InputBox(QStringLiteral("Please Enter The Password!"), QString(), QString());
    if (input.isEmpty())
        return 1;
    const QString libraryPrompt = readText(prompt, ziplib::kNameBufferSize); // not shown
    Q_UNUSED(libraryPrompt);
    if (buffer && size > 0) {
        std::memset(buffer, 0, static_cast<size_t>(size));
        writeText(buffer, size, input);
    }
    return 0;
}

QByteArray bytesOf(const QString& text) { return text.isNull() ? QByteArray() : text.toLocal8Bit(); }

} // namespace

void SetCurrentZip(ccZip& zip)
{
    std::shared_ptr<ccZip> owned = zip.weak_from_this().lock();
    if (owned) {
        unownedCurrent = nullptr;
        CurrentZip = std::move(owned);
    } else {
        unownedCurrent = &zip;
        CurrentZip = std::shared_ptr<ccZip>(&zip, [](ccZip*) {});
    }
}

void ForgetCurrentZip(const ccZip* zip)
{
    if (zip && zip == unownedCurrent) {
        unownedCurrent = nullptr;
        CurrentZip.reset();
    }
}

qint32 RunUnzip()
{
    for (int i = 0; i < kUnzipFlagCount; ++i)
        UnzipOptions.OptionWords[i] = UnzipFlags[i];
    UnzipOptions.ZipFileName = bytesOf(UnzipArchive);
    UnzipOptions.ExtractDir = bytesOf(UnzipTargetDir);
    UnzipOptions.Guard = CurrentGuard;

    UnzipCallbacks.print = CallbackAddress(&OnUnzipPrint);
    UnzipCallbacks.sound = nullptr;
    UnzipCallbacks.replace = CallbackAddress(&OnUnzipReplace);
    UnzipCallbacks.password = CallbackAddress(&OnUnzipPassword);
    UnzipCallbacks.message = CallbackAddress(&OnUnzipListEntry);
    UnzipCallbacks.service = CallbackAddress(&OnUnzipService);

    QByteArray includes[kNameSlots];
    QByteArray excludes[kNameSlots];
    for (int i = 0; i < kNameSlots; ++i) {
        includes[i] = bytesOf(IncludeNames.Names[i]);
        excludes[i] = bytesOf(ExcludeNames.Names[i]);
    }
    const qint32 result = ziplib::Wiz_SingleEntryUnzip(std::clamp(IncludeCount, 0, kNameSlots), includes,
                                                       std::clamp(ExcludeCount, 0, kNameSlots), excludes,
                                                       &UnzipOptions, &UnzipCallbacks);
    // The guard belongs to the caller of this one run.
    CurrentGuard = nullptr;
    UnzipOptions.Guard = nullptr;
    return result;
}

qint32 RunZip()
{
    // A failing step is skipped and the next one runs.
    qint32 result = 0;
    try {
        ZipCallbacks.print = CallbackAddress(&OnZipPrint);
        ZipCallbacks.comment = CallbackAddress(&OnZipComment);
        ZipCallbacks.password = CallbackAddress(&OnZipPassword);
        ZipCallbacks.service = CallbackAddress(&OnZipService);
    } catch (...) {
    }
    try {
        result = ziplib::ZpInit(&ZipCallbacks);
    } catch (...) {
    }
    try {
        result = ziplib::ZpSetOptions(&ZipOptions);
    } catch (...) {
    }
    try {
        QByteArray names[kNameSlots];
        for (int i = 0; i < kNameSlots; ++i)
            names[i] = bytesOf(ZipNames.Names[i]);
        result = ziplib::ZpArchive(std::clamp<int>(ZipNameCount, 0, kNameSlots), bytesOf(ZipArchive), names);
    } catch (...) {
    }
    return result;
}

int OnUnzipPrint(char* buffer, unsigned long length)
{
    try {
        const QString text = readText(buffer, static_cast<qsizetype>(std::min<unsigned long>(length, ziplib::kUnzipPrintBufferSize)));
        if (CaptureComment) {
            if (CurrentZip)
                CurrentZip->setComm(text);
            CaptureComment = false;
        }
        ZipMessages += text;
    } catch (...) {
    }
    return 0;
}

int OnUnzipService(const char* entryName, unsigned long size)
{
    try {
        const QString name = readText(entryName, static_cast<qsizetype>(std::min<unsigned long>(size, ziplib::kNameBufferSize)));
        Q_UNUSED(name);
    } catch (...) {
    }
    return 0;
}

int OnUnzipPassword(char* buffer, int size, const char* prompt, const char* entryName)
{
    Q_UNUSED(entryName);
    try {
        return askPassword(buffer, size, prompt);
    } catch (...) {
    }
    return 1;
}

int OnUnzipReplace(char* fileName)
{
    try {
        const QString name = readText(fileName, kListNameLimit);
        switch (platform::MsgBox(QStringLiteral("Overwrite ") + name + QStringLiteral("?"),
                                 platform::vbExclamation + platform::vbYesNoCancel,
                                 QStringLiteral("VBUnZip32 - File Already Exists!"))) {
        case platform::vbYes: return ziplib::IDM_REPLACE_YES;
        case platform::vbCancel: return ziplib::IDM_REPLACE_NONE;
        default: return ziplib::IDM_REPLACE_NO;
        }
    } catch (...) {
    }
    return ziplib::IDM_REPLACE_NO;
}

void OnUnzipListEntry(unsigned long, unsigned long, unsigned, unsigned, unsigned, unsigned, unsigned, unsigned, char,
                      const char* entryName, const char*, unsigned long, char)
{
    try {
        if (!ZipBusy) {
            processPendingEvents();
            return;
        }
        const QString name = readText(entryName, kListNameLimit);
        if (CurrentZip && CurrentZip->Col())
            CurrentZip->Col()->Add(name);
        ZipMessages += name;
    } catch (...) {
    }
}

int OnZipPrint(char* buffer, unsigned long)
{
    try {
        const QString text = readText(buffer, ziplib::kNameBufferSize);
        Q_UNUSED(text);
        processPendingEvents();
    } catch (...) {
    }
    return 0;
}

int OnZipService(char* entryName, unsigned long)
{
    try {
        if (!ZipBusy) {
            processPendingEvents();
            return 0;
        }
        const QString name = readText(entryName, ziplib::kNameBufferSize);
        if (CurrentZip && CurrentZip->Col())
            CurrentZip->Col()->Add(name, name);
        ZipMessages += name;
        processPendingEvents();
    } catch (...) {
    }
    return 0;
}

int OnZipPassword(char* buffer, int size, const char* prompt, const char* entryName)
{
    Q_UNUSED(entryName);
    try {
        return askPassword(buffer, size, prompt);
    } catch (...) {
    }
    return 1;
}

int OnZipComment(char* buffer)
{
    try {
        if (CurrentZip && !CurrentZip->Comm().isEmpty())
            writeText(buffer, ziplib::kNameBufferSize, CurrentZip->Comm());
    } catch (...) {
    }
    return 1;
}

} // namespace mZipDLLProc
