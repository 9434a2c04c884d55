#pragma once
// The text the operator sees and types for code page 932 bytes (titles, the glyph sample).
// Every byte string has a text that converts back to exactly those bytes:
//  - a code page 932 character is itself; where the code page has several codes for one
//    character (the NEC and IBM duplicates), the codes after the one Windows writes carry a
//    variation selector, U+FE00 for the first, U+FE01 for the second;
//  - an external-character pair (value at most 0x1339) is U+E000 + value;
//  - any other byte is U+F700 + byte.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace vtg {

inline constexpr const char* kCp932Codec = "windows-31j";
inline constexpr std::string_view kNoCp932ConversionText =
    "この Qt にはコードページ932 (windows-31j) の文字変換がありません";

inline constexpr char16_t kExternalPairText = 0xE000;
inline constexpr char16_t kOtherByteText = 0xF700;
inline constexpr char16_t kOtherCodeSelector = 0xFE00;

// Whether Qt converts `codec` as code page 932 both ways; a Qt built without ICU has no such
// conversion, and every character would then be refused.
bool Cp932ConversionAvailable(const char* codec = kCp932Codec);

QString Cp932BytesToText(std::string_view bytes);
// The same as UTF-8, for the core's readable titles.
std::string Cp932BytesToUtf8(std::string_view bytes);

// None when the text holds a character without a code page 932 code; that character is then
// left in `refused`. A character in its JIS form converts as the one it stands for.
std::optional<std::string> TextToCp932Bytes(const QString& text, QString* refused = nullptr);

// The text with each character in its JIS form replaced by the one it stands for.
QString WithCp932Forms(QString text);

}  // namespace vtg
