#include "glyphs/cp932_text.h"

#include <iconv.h>

namespace vtg::ui {
namespace {

// One conversion with glibc's iconv; none when the input does not convert whole.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // Either direction at most quadruples the bytes (one Shift-JIS byte, four UTF-8 bytes).
  std::string output(input.size() * 4, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t in_left = input.size();
  char* out = output.data();
  std::size_t out_left = output.size();
  const bool whole = iconv(cd, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1) && in_left == 0;
  iconv_close(cd);
  if (!whole) return std::nullopt;
  output.resize(output.size() - out_left);
  return output;
}

}  // namespace

std::optional<std::string> ToCp932(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Convert("CP932", "UTF-8", std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString FromCp932(std::string_view bytes) {
  const auto utf8 = Convert("UTF-8", "CP932", bytes);
  return utf8 ? QString::fromUtf8(utf8->data(), static_cast<qsizetype>(utf8->size())) : QString();
}

QValidator::State Cp932ByteLimit::validate(QString& input, int&) const {
  const auto bytes = ToCp932(input);
  return bytes && static_cast<int>(bytes->size()) <= max_bytes_ ? Acceptable : Invalid;
}

}  // namespace vtg::ui
