#pragma once
// The application folder and file-existence tests.
#include <QByteArray>
#include <QString>

namespace platform {

// The folder of the program, where every data file lies. Tests point it elsewhere.
QString appPath();
void setAppPath(const QString& folder);
// The application folder followed by a file name: appFile("D50.dat").
QString appFile(const QString& name);

// The file-system object: created on first use, kept for the program's life.
class FileSystemObject {
public:
    // True when a file (not a folder) of that full path exists.
    bool FileExists(const QString& path) const;
};

FileSystemObject& Fso();

// The bytes of a regular file of at most maxSize bytes, else nothing. Opened
// without blocking, so that a named pipe in the place of a data file cannot
// hang the window that reads it.
QByteArray readRegularFile(const QString& path, qint64 maxSize);

} // namespace platform
