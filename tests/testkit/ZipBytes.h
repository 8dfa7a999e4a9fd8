#pragma once
// Archives for the unpacking tests: written by libzip with names kept byte for byte, and
// archives that lie, their headers rewritten after libzip wrote them.
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <zip.h>

namespace testkit {

struct ZipEntry {
    QByteArray name;                              // ending in "/": a folder
    QByteArray data = "0123456789012";
    quint32 unixMode = 0;                         // full st_mode; 0 = none stored
};

// Writes the archive; every file is encrypted with `password` when one is given.
inline void writeZip(const QString& path, const QList<ZipEntry>& entries, const QByteArray& comment = {},
                     zip_int32_t method = ZIP_CM_DEFLATE, const char* password = nullptr)
{
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    QVERIFY(archive);
    for (const ZipEntry& entry : entries) {
        const bool folder = entry.name.endsWith('/');
        const zip_int64_t index = folder ? zip_dir_add(archive, entry.name.constData(), ZIP_FL_ENC_RAW)
            : zip_file_add(archive, entry.name.constData(),
                           zip_source_buffer(archive, entry.data.constData(), zip_uint64_t(entry.data.size()), 0), ZIP_FL_ENC_RAW);
        QVERIFY(index >= 0);
        if (!folder)
            QCOMPARE(zip_set_file_compression(archive, zip_uint64_t(index), method, 0), 0);
        if (!folder && password)
            QCOMPARE(zip_file_set_encryption(archive, zip_uint64_t(index), ZIP_EM_AES_256, password), 0);
        if (entry.unixMode)
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, entry.unixMode << 16);
    }
    if (!comment.isEmpty())
        zip_set_archive_comment(archive, comment.constData(), zip_uint16_t(comment.size()));
    QCOMPARE(zip_close(archive), 0);
}

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
