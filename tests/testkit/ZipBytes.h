#pragma once
// Archives that lie: their headers rewritten after libzip wrote them.
#include <QFile>
#include <QtEndian>

namespace testkit {

// Makes every local and central header of the archive declare `size` uncompressed bytes.
inline bool declareSize(const QString& path, quint32 size)
{
    QFile file(path);
    QByteArray bytes = file.open(QIODevice::ReadWrite) ? file.readAll() : QByteArray();
    for (const auto& [signature, offset] : {std::pair{"PK\3\4", 22}, std::pair{"PK\1\2", 24}}) {
        for (qsizetype at = bytes.indexOf(signature); at >= 0; at = bytes.indexOf(signature, at + 4))
            qToLittleEndian(size, bytes.data() + at + offset);
    }
    return !bytes.isEmpty() && file.seek(0) && file.write(bytes) == bytes.size();
}

} // namespace testkit
