#pragma once
// One of glibc's own converters (iconv), the reference the code page 932 rules are checked
// against.
#include <iconv.h>

#include <optional>
#include <string>

namespace vtg::testing {

class GlibcConverter {
 public:
  GlibcConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~GlibcConverter() {
    if (ok()) iconv_close(cd_);
  }
  GlibcConverter(const GlibcConverter&) = delete;
  GlibcConverter& operator=(const GlibcConverter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // None unless all of `in` converts.
  std::optional<std::string> operator()(std::string in) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char out[16];
    char* src = in.data();
    char* dst = out;
    size_t left = in.size(), room = sizeof out;
    if (iconv(cd_, &src, &left, &dst, &room) == static_cast<size_t>(-1) || left != 0) return std::nullopt;
    return std::string(out, static_cast<size_t>(dst - out));
  }

 private:
  iconv_t cd_;
};

}  // namespace vtg::testing
