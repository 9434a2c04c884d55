#include "settings/replace_file.h"

#include <filesystem>
#include <fstream>

namespace vtg {
namespace {

constexpr std::string_view kCannotWrite = "Can't file write";

}  // namespace

FileWrite ReplaceFile(const std::string& path, std::string_view bytes) {
  const std::string temporary = path + ".tmp~";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return FileWrite::CannotCreate;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return FileWrite::CannotWrite;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return FileWrite::CannotWrite;
  }
  return FileWrite::Written;
}

bool Written(FileWrite result, Messages& messages) {
  if (result == FileWrite::Written) return true;
  messages.StopBox(result == FileWrite::CannotCreate ? kCannotOpenFileText : kCannotWrite);
  return false;
}

}  // namespace vtg
