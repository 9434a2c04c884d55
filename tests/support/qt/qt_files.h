#pragma once
// Whole files read and written with Qt's path and byte types.
#include <QByteArray>
#include <QString>
#include <filesystem>

#include "scratch_folder.h"

namespace vtg::testing {

// Empty when the file cannot be read.
inline QByteArray ReadFile(const QString& path) {
  return QByteArray::fromStdString(ReadFile(std::filesystem::path(path.toStdString())));
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
  const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return WriteFile(std::filesystem::path(path.toStdString()), text);
}

}  // namespace vtg::testing
