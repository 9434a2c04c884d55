#pragma once
// Writing a file so that a failure never leaves a half-written one behind.
#include <string>
#include <string_view>

#include "link/messages.h"

namespace vtg {

// Also what the operator is told when a file cannot be read.
inline constexpr std::string_view kCannotOpenFileText = "Can't file open";

enum class FileWrite { Written, CannotCreate, CannotWrite };

// Writes `bytes` to a temporary file in the folder of `path` and renames it over `path`.
// On failure the temporary file is removed and an earlier file of that name is untouched.
FileWrite ReplaceFile(const std::string& path, std::string_view bytes);

// Tells the operator why a write failed, in a stop box; true when it did not fail.
bool Written(FileWrite result, Messages& messages);

}  // namespace vtg
