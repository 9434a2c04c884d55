#include "glyphs/glyph_list_file.h"

#include <fstream>
#include <iterator>

namespace vtg {
namespace {

bool IsWhiteSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f'; }

// The digit as the store keeps it (upper case), or 0 for anything that is not one.
char StoredDigit(char ch) {
  if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F')) return ch;
  if (ch >= 'a' && ch <= 'f') return static_cast<char>(ch - 'a' + 'A');
  return 0;
}

}  // namespace

std::string GlyphListFileText(GlyphClass c, const std::vector<std::string>& store) {
  const auto d = static_cast<std::size_t>(Info(c).digits);
  std::string text;
  text.reserve(GlyphListFileSize(c));
  for (int i = 0; i < Info(c).count; ++i) {
    const std::string& slot = store[static_cast<std::size_t>(i)];
    for (std::size_t k = 0; k < d; ++k) {
      text += k < slot.size() ? slot[k] : '0';
      text += "\r\n";
    }
  }
  return text;
}

std::string LoadGlyphList(const std::string& path, GlyphClass c, std::vector<std::string>& store) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::string(kCantFileOpen);
  const std::size_t needed = static_cast<std::size_t>(Info(c).digits) * static_cast<std::size_t>(Info(c).count);
  std::string digits;
  digits.reserve(needed);
  int line = 1;
  // Reads only as far as the last digit needed: the rest of a longer file is ignored.
  for (auto it = std::istreambuf_iterator<char>(in); it != std::istreambuf_iterator<char>() && digits.size() < needed; ++it) {
    const char ch = *it;
    if (ch == '\n') ++line;
    if (IsWhiteSpace(ch)) continue;
    const char digit = StoredDigit(ch);
    if (digit == 0) return "外字ファイルの " + std::to_string(line) + " 行目に16進数でない文字があります";
    digits += digit;
  }
  if (digits.size() < needed)
    return "外字ファイルが短すぎます（" + std::to_string(needed) + " 文字のうち " + std::to_string(digits.size()) +
           " 文字しかありません）";
  const auto d = static_cast<std::size_t>(Info(c).digits);
  std::vector<std::string> loaded;
  for (std::size_t at = 0; at < needed; at += d) loaded.push_back(digits.substr(at, d));
  store = std::move(loaded);
  return {};
}

std::optional<std::string> SaveGlyphList(const std::string& path, GlyphClass c, const std::vector<std::string>& store) {
  return ReplaceFile(path, GlyphListFileText(c, store));
}

}  // namespace vtg
