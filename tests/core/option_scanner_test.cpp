// The programs' command lines read the usual way, whatever the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/option_scanner.h"

namespace vtg {
namespace {

// Each word as the scanner saw it, with "=value" after each value an option took.
std::vector<std::string> Scan(std::vector<std::string_view> args) {
  std::vector<std::string> seen;
  OptionScanner words(args);
  while (words.Next()) {
    std::string word(words.Name());
    if (words.IsOption() && (words.Name() == "--to" || words.Name() == "--pair"))
      for (int k = words.Name() == "--pair" ? 2 : 1; k > 0; --k) word += "=" + std::string(words.Value().value_or("?"));
    seen.push_back(word);
  }
  return seen;
}

TEST(OptionScanner, ValuesOperandsAndTheEndOfTheOptions) {
  struct Case {
    std::vector<std::string_view> args;
    std::vector<std::string> seen;
  } cases[] = {
      {{"--to", "a", "b"}, {"--to=a", "b"}},
      {{"--to=a", "b"}, {"--to=a", "b"}},
      {{"--to=a=b"}, {"--to=a=b"}},
      {{"--to", "--", "b"}, {"--to=--", "b"}},  // a value is the next word, whatever it is
      {{"--to"}, {"--to=?"}},
      {{"--pair=1", "E0", "x"}, {"--pair=1=E0", "x"}},
      {{"--", "--to", "-", "--"}, {"--to", "-", "--"}},
      {{"-", "-x", "--"}, {"-", "-x"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Scan(c.args), c.seen);
}

TEST(OptionScanner, HelpAndVersionWinBeforeTheEndOfTheOptions) {
  struct Case {
    std::vector<std::string_view> args;
    Asked asked;
  } cases[] = {
      {{"fly", "--help"}, Asked::Help},         {{"--tcp", "-h"}, Asked::Help},
      {{"--version", "--help"}, Asked::Version}, {{"--", "--help"}, Asked::Run},
      {{"--helpful", "-hv"}, Asked::Run},
  };
  for (const Case& c : cases) EXPECT_EQ(AskedFor(c.args), c.asked);
}

}  // namespace
}  // namespace vtg
