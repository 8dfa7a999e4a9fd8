#include "ZipWriter.h"

#include <QFile>
#include <memory>
#include <stdexcept>
#include <zip.h>

namespace datagen {

namespace {

// 2001-01-01 12:00 local time, kept fixed so the archive does not change from run to run.
constexpr time_t kFixedTime = 978350400;

std::runtime_error ZipError(const std::string& what, zip_t* archive)
{
    return std::runtime_error("zip: " + what + (archive ? std::string(": ") + zip_strerror(archive) : std::string()));
}

} // namespace

void WriteZip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries)
{
    QFile::remove(path);
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        throw std::runtime_error("zip: cannot create " + path.toStdString() + " (error " + std::to_string(error) + ")");
    for (const auto& [name, data] : entries) {
        // The buffers stay alive until zip_close, which reads them.
        zip_source_t* source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        if (!source) {
            zip_discard(archive);
            throw ZipError("cannot add " + name.toStdString(), archive);
        }
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            auto e = ZipError("cannot add " + name.toStdString(), archive);
            zip_discard(archive);
            throw e;
        }
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 9);
        zip_file_set_mtime(archive, zip_uint64_t(index), kFixedTime, 0);
    }
    if (zip_close(archive) != 0) {
        auto e = ZipError("cannot write " + path.toStdString(), archive);
        zip_discard(archive);
        throw e;
    }
}

std::vector<std::pair<QString, QByteArray>> ReadZip(const QString& path)
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        throw std::runtime_error("zip: cannot open " + path.toStdString() + " (error " + std::to_string(error) + ")");
    std::unique_ptr<zip_t, void (*)(zip_t*)> guard(archive, zip_discard);
    std::vector<std::pair<QString, QByteArray>> entries;
    const zip_int64_t n = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &st) != 0)
            throw ZipError("cannot read entry", archive);
        QByteArray data(qsizetype(st.size), Qt::Uninitialized);
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!file)
            throw ZipError("cannot open entry", archive);
        const zip_int64_t got = data.isEmpty() ? 0 : zip_fread(file, data.data(), zip_uint64_t(data.size()));
        zip_fclose(file);
        if (got != zip_int64_t(data.size()))
            throw ZipError("short entry", archive);
        entries.emplace_back(QString::fromUtf8(st.name), data);
    }
    return entries;
}

} // namespace datagen
