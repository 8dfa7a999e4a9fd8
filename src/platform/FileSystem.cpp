#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>

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

} // namespace platform
