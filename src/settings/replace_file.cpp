#include "settings/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define VTG_HAS_FSYNC 1
#endif

namespace vtg {
namespace {

// A leftover of an interrupted save keeps its name; the next save takes another.
constexpr int kTemporaryNames = 100;

std::FILE* CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  for (int i = 0; i < kTemporaryNames; ++i) {
    temporary = path + ".tmp" + std::to_string(i);
    if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) return file;
    if (errno != EEXIST) break;
  }
  return nullptr;
}

// 0, or the error of the first write, flush, sync or close that failed.
int WriteAndClose(std::FILE* file, std::string_view bytes, bool sync) {
  errno = 0;
  int error = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) error = errno ? errno : EIO;
  if (std::fflush(file) != 0 && !error) error = errno;
#ifdef VTG_HAS_FSYNC
  if (sync && ::fsync(::fileno(file)) != 0 && !error) error = errno;
#else
  (void)sync;
#endif
  if (std::fclose(file) != 0 && !error) error = errno;
  return error;
}

std::string WriteFailure(const std::string& path, const std::string& reason) {
  return "ファイルに書き込めませんでした。\n" + path + "\n" + reason;
}

std::string WriteFailure(const std::string& path, int error) {
  return WriteFailure(path, std::generic_category().message(error));
}

}  // namespace

std::optional<std::string> ReplaceFile(const std::string& given, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code error_code;
  // A link keeps linking: the file it names is the one replaced.
  std::string path = given;
  if (fs::is_symlink(given, error_code)) {
    const fs::path named = fs::weakly_canonical(given, error_code);
    if (!error_code) path = named.string();
  }
  // A pipe or a device (a script's /dev/stdout) takes the bytes as they come: a file
  // renamed over it would take its place, as root even over /dev/null.
  const fs::file_status status = fs::status(path, error_code);
  if (fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status)) {
    std::FILE* device = std::fopen(path.c_str(), "wb");
    if (!device) return std::string(kCantFileOpen);
    if (const int error = WriteAndClose(device, bytes, false)) return WriteFailure(path, error);
    return std::nullopt;
  }
  std::string temporary;
  std::FILE* file = CreateTemporaryBeside(path, temporary);
  if (!file) return std::string(kCantFileOpen);
  std::optional<std::string> failure;
  if (const int error = WriteAndClose(file, bytes, true)) {
    failure = WriteFailure(path, error);
  } else {
    std::error_code renamed;
    fs::rename(temporary, path, renamed);
    if (renamed) failure = WriteFailure(path, renamed.message());
  }
  if (failure) std::remove(temporary.c_str());
  return failure;
}

std::optional<std::string> ReadFileUpTo(const std::string& path, std::size_t limit) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::string bytes(limit + 1, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return bytes;
}

}  // namespace vtg
