#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
QString& folderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

QString appPath()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void setAppPath(const QString& folder) { folderOverride() = folder; }

QString appFile(const QString& name) { return QDir(appPath()).filePath(name); }

bool FileSystemObject::FileExists(const QString& path) const
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

FileSystemObject& Fso()
{
    static std::unique_ptr<FileSystemObject> fso;
    if (!fso)
        fso = std::make_unique<FileSystemObject>();
    return *fso;
}

QByteArray readRegularFile(const QString& path, qint64 maxSize)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    QFile file;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxSize
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    return file.read(maxSize);
}

} // namespace platform
