#pragma once
// The usual shape of the command lines of the programs without a window: "--name value"
// or "--name=value", "-h"/"--help" and "--version" winning over everything else, and
// "--" ending the options so that an operand may start with a dash.
#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>

namespace vtg {

enum class Asked { Run, Help, Version };

// The first of -h, --help and --version among the words before "--".
Asked AskedFor(std::span<const std::string_view> args);

// Prints the usage or "PROGRAM VERSION" when the command line asks for one; true if it did.
bool AnswerHelpOrVersion(std::span<const std::string_view> args, std::string_view program, std::string_view usage,
                         std::ostream& out);

class OptionScanner {
 public:
  explicit OptionScanner(std::span<const std::string_view> args) : args_(args) {}

  // Moves to the next word; false past the last.
  bool Next();
  // A dash and more, before "--"; a lone "-" is an operand.
  bool IsOption() const { return option_; }
  // The option without its "=value", or the operand.
  std::string_view Name() const { return name_; }
  // The option's value: what followed "=", else the next word whatever it is; none at the end.
  // Called again, it takes the word after (an option with two values).
  std::optional<std::string_view> Value();
  // "--flag=value" given to an option that takes none.
  bool HasUnusedValue() const { return inline_value_.has_value(); }

 private:
  std::span<const std::string_view> args_;
  std::size_t next_ = 0;
  bool options_ended_ = false;
  bool option_ = false;
  std::string_view name_;
  std::optional<std::string_view> inline_value_;
};

}  // namespace vtg
