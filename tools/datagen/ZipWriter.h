#pragma once
// Writing of the data archive over libzip.
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace datagen {

// Writes a zip archive of the given entries (name, contents), deflated, in the
// given order, with a fixed date so that equal inputs give an equal archive.
// Throws std::runtime_error on failure.
void WriteZip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries);

// Every entry of an archive, in archive order; throws on failure.
std::vector<std::pair<QString, QByteArray>> ReadZip(const QString& path);

} // namespace datagen
