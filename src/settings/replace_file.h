#pragma once
// Whole-file reads and writes for documents: bounded reads, and writes that either
// replace the file completely or leave it as it was.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vtg {

inline constexpr std::string_view kCantFileOpen = "Can't file open";

// Writes `bytes` to a new file in the folder of `path` and renames it over `path` only
// once every byte was written and flushed to the disk. On failure `path` is untouched,
// the new file is removed, and the result says what went wrong. A link is followed; a pipe
// or a device is written in place.
std::optional<std::string> ReplaceFile(const std::string& path, std::string_view bytes);

// At most `limit` + 1 bytes of the file, so the caller sees when it is longer; none when
// it cannot be opened or read.
std::optional<std::string> ReadFileUpTo(const std::string& path, std::size_t limit);

}  // namespace vtg
