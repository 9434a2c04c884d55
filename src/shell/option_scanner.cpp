#include "shell/option_scanner.h"

#include <ostream>
#include <utility>

#include "vtg_version.h"

namespace vtg {

Asked AskedFor(std::span<const std::string_view> args) {
  for (std::string_view arg : args) {
    if (arg == "--") break;
    if (arg == "-h" || arg == "--help") return Asked::Help;
    if (arg == "--version") return Asked::Version;
  }
  return Asked::Run;
}

bool AnswerHelpOrVersion(std::span<const std::string_view> args, std::string_view program, std::string_view usage,
                         std::ostream& out) {
  switch (AskedFor(args)) {
    case Asked::Help:
      out << usage;
      return true;
    case Asked::Version:
      out << program << ' ' << kVersion << '\n';
      return true;
    case Asked::Run:
      return false;
  }
  return false;
}

bool OptionScanner::Next() {
  inline_value_.reset();
  if (next_ < args_.size() && !options_ended_ && args_[next_] == "--") {
    options_ended_ = true;
    ++next_;
  }
  if (next_ >= args_.size()) return false;
  name_ = args_[next_++];
  option_ = !options_ended_ && name_.size() > 1 && name_[0] == '-';
  if (const auto equals = name_.find('='); option_ && name_.starts_with("--") && equals != std::string_view::npos) {
    inline_value_ = name_.substr(equals + 1);
    name_ = name_.substr(0, equals);
  }
  return true;
}

std::optional<std::string_view> OptionScanner::Value() {
  if (inline_value_) return std::exchange(inline_value_, std::nullopt);
  if (next_ >= args_.size()) return std::nullopt;
  return args_[next_++];
}

}  // namespace vtg
