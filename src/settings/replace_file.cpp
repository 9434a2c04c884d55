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

bool WriteAndSync(std::FILE* file, std::string_view bytes) {
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
#ifdef VTG_HAS_FSYNC
  ok = ::fsync(::fileno(file)) == 0 && ok;
#endif
  return ok;
}

std::string WriteFailure(const std::string& path, const std::string& reason) {
  return "ファイルに書き込めませんでした。\n" + path + "\n" + reason;
}

}  // namespace

std::optional<std::string> ReplaceFile(const std::string& path, std::string_view bytes) {
  std::string temporary;
  std::FILE* file = CreateTemporaryBeside(path, temporary);
  if (!file) return std::string(kCantFileOpen);
  errno = 0;
  bool ok = WriteAndSync(file, bytes);
  int error = errno;
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    error = errno;
  }
  std::error_code renamed;
  if (ok) std::filesystem::rename(temporary, path, renamed);
  if (ok && !renamed) return std::nullopt;
  std::remove(temporary.c_str());
  return WriteFailure(path, ok ? renamed.message() : std::generic_category().message(error));
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
