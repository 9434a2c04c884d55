#include "settings/settings_document.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "default_state.h"
#include "text_builders.h"

namespace vtg {
namespace {

using testing::DefaultImage;
using testing::Pair;
using testing::Repeat;

std::string Format(const SettingsImage& image) {
  auto text = FormatDocument(image);
  EXPECT_TRUE(std::holds_alternative<std::string>(text)) << std::get<DocumentFault>(text).message;
  return std::holds_alternative<std::string>(text) ? std::get<std::string>(text) : std::string();
}

// Every persisted value away from its default, and titles of every kind.
SettingsImage VariedImage() {
  SettingsImage image = DefaultImage();
  for (int i = 0; i < kTitles; ++i) {
    image.display_flag[i] = i % 3 == 0 ? 0 : 1;
    image.char_size[i] = i % 3;
    image.auto_switch_time[i] = (i * 7) % 100;
  }
  image.startup_page = {64, 0, 63, 17};
  image.display_page = {5, 64, 0, 63};
  image.display_position = {0, 15, 3, 12};
  image.white_level = 0;
  image.edge_level = 3;
  image.title_text[0] = "  " + Pair(0x889F);  // leading blanks of the first title are kept
  image.title_text[1] = Pair(0x8740) + Pair(0xED40) + Pair(0xFA40) + Pair(0xFC4B);  // NEC and IBM extensions
  image.title_text[2] = Repeat(Pair(0x9FA0), 28);
  image.title_text[3] = Pair(0x1020) + Pair(0x12DC) + Pair(0x1305);
  image.title_text[4] = Pair(0x889F) + Pair(0x110D);  // a glyph pair ending in 0x0D
  image.title_text[5] = Pair(0x110D) + Pair(0x889F);
  image.title_text[100] = Repeat(Pair(0x82A0), 29) + "x";  // 59 bytes: held, never sent
  image.title_text[254] = "s " + Pair(0x82A0);
  image.title_text[255] = " ";
  return image;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  EXPECT_EQ(at, text.size()) << "text after the last line end";
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + std::string(end);
  return text;
}

TEST(SettingsDocument, DefaultDocumentByteForByte) {
  const std::string expected = Repeat("1\r\n", 256) + Repeat("0\r\n", 256) + Repeat("2\r\n", 256) + Repeat("0\r\n", 8) +
                               Repeat("7\r\n", 4) + "3\r\n1\r\n" + Repeat("s\r\n", 256) + Repeat("7\r\n", 4);
  EXPECT_EQ(Format(DefaultImage()), expected);
}

// Written and read back, with CR LF, LF alone, or no end on the last line: the same image.
TEST(SettingsDocument, VariedDocumentRoundTrips) {
  const SettingsImage varied = VariedImage();
  const std::string text = Format(varied);
  const std::vector<std::string> lines = SplitCrLf(text);
  EXPECT_EQ(lines.size(), static_cast<std::size_t>(kDocumentLines));
  for (const std::string& form : {text, JoinLines(lines, "\n"), text.substr(0, text.size() - 2)}) {
    SettingsImage read = DefaultImage();
    ASSERT_FALSE(ParseDocument(form, read));
    EXPECT_EQ(read, varied);
    EXPECT_EQ(Format(read), text);
  }
}

TEST(SettingsDocument, SecondPositionBlockWinsAndSIsEmpty) {
  std::vector<std::string> lines = SplitCrLf(Format(DefaultImage()));
  lines[776] = "1";   // line 777, first block
  lines[1038] = "9";  // line 1039, second block
  lines[782] = "s";
  SettingsImage read = VariedImage();
  ASSERT_FALSE(ParseDocument(JoinLines(lines), read));
  EXPECT_EQ(read.display_position[0], 9);
  EXPECT_EQ(read.title_text[0], "");
}

struct Malformed {
  const char* name;
  int line;              // 1-based line to change; 0 = cut the file instead
  std::string contents;  // new contents of that line, or the number of lines to keep
  std::string message;
};

void PrintTo(const Malformed& m, std::ostream* os) { *os << m.name; }

class MalformedDocument : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedDocument, IsRefusedNamingTheLineAndChangesNothing) {
  std::vector<std::string> lines = SplitCrLf(Format(DefaultImage()));
  const Malformed& m = GetParam();
  if (m.line == 0)
    lines.resize(std::stoul(m.contents));
  else
    lines[static_cast<std::size_t>(m.line - 1)] = m.contents;
  const SettingsImage before = VariedImage();
  SettingsImage image = before;
  const auto fault = ParseDocument(JoinLines(lines), image);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->message, m.message);
  EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsDocument, MalformedDocument,
    ::testing::Values(
        Malformed{"Empty", 0, "0", "設定ファイルの1行目がありません。"},
        Malformed{"LastLineMissing", 0, "1041", "設定ファイルの1042行目がありません。"},
        Malformed{"NotANumber", 5, "x", "設定ファイルの5行目が数値ではありません。"},
        Malformed{"EmptyNumber", 300, "", "設定ファイルの300行目が数値ではありません。"},
        Malformed{"NumberWithBlank", 2, " 1", "設定ファイルの2行目が数値ではありません。"},
        Malformed{"NumberWithTail", 513, "2x", "設定ファイルの513行目が数値ではありません。"},
        Malformed{"FlagTwo", 256, "2", "設定ファイルの256行目の値 2 は 0～1 の範囲外です。"},
        Malformed{"SizeThree", 257, "3", "設定ファイルの257行目の値 3 は 0～2 の範囲外です。"},
        Malformed{"TimeHundred", 768, "100", "設定ファイルの768行目の値 100 は 0～99 の範囲外です。"},
        Malformed{"StartupPage65", 769, "65", "設定ファイルの769行目の値 65 は 0～64 の範囲外です。"},
        Malformed{"DisplayPageNegative", 776, "-1", "設定ファイルの776行目の値 -1 は 0～64 の範囲外です。"},
        Malformed{"Position16", 777, "16", "設定ファイルの777行目の値 16 は 0～15 の範囲外です。"},
        Malformed{"WhiteLevel4", 781, "4", "設定ファイルの781行目の値 4 は 0～3 の範囲外です。"},
        Malformed{"EdgeLevelHuge", 782, "99999999999", "設定ファイルの782行目の値 99999999999 は 0～3 の範囲外です。"},
        Malformed{"TitleTooLong", 900, std::string(60, 'a'),
                  "設定ファイルの900行目のタイトルが59バイトを超えています。"},
        Malformed{"TitleWithNul", 783, std::string("a\0b", 3), "設定ファイルの783行目のタイトルに 0x00 があります。"},
        Malformed{"SecondPositionBlock", 1042, "20", "設定ファイルの1042行目の値 20 は 0～15 の範囲外です。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsDocument, OversizedFileIsRefused) {
  std::string text = Format(DefaultImage());
  text += std::string(kMaxDocumentBytes, '\n');
  SettingsImage image = DefaultImage();
  EXPECT_TRUE(ParseDocument(text, image));
}

TEST(SettingsDocument, TitlesThatCannotStandOnALineAreNotWritten) {
  struct Case {
    int index;
    std::string title;
    std::string message;
  };
  const Case cases[] = {
      {TitleIndex(3, 4), Pair(0x889F) + Pair(0x110A),
       "ch.2 Bottom Page05 のタイトルに、ファイルの1行に書けない外字があるので、保存できません。"},
      {0, Pair(0x1100), "ch.1 Top Page01 のタイトルに、ファイルの1行に書けない外字があるので、保存できません。"},
      {TitleIndex(1, 63), std::string(60, 'a'),
       "ch.1 Bottom Page64 のタイトルが59バイトを超えているので、保存できません。"},
  };
  for (const Case& c : cases) {
    SettingsImage image = DefaultImage();
    image.title_text[c.index] = c.title;
    const auto text = FormatDocument(image);
    ASSERT_TRUE(std::holds_alternative<DocumentFault>(text)) << c.index;
    EXPECT_EQ(std::get<DocumentFault>(text).message, c.message);
  }
}

}  // namespace
}  // namespace vtg
