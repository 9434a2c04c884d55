#include "settings/settings_document.h"

#include <array>
#include <charconv>
#include <span>
#include <type_traits>

#include "titles/line_fields.h"

namespace vtg {
namespace {

enum class Entry {
  DisplayFlag,
  CharSize,
  AutoSwitchTime,
  StartupPage,
  DisplayPage,
  DisplayPosition,
  WhiteLevel,
  EdgeLevel,
  Titles,
};

struct Block {
  Entry entry;
  int low;
  int high;
};

// The file from top to bottom. The positions come twice; the second block is read last
// and wins.
constexpr std::array<Block, 10> kLayout{{
    {Entry::DisplayFlag, 0, 1},
    {Entry::CharSize, 0, 2},
    {Entry::AutoSwitchTime, 0, 99},
    {Entry::StartupPage, 0, kAutoSwitchPage},
    {Entry::DisplayPage, 0, kAutoSwitchPage},
    {Entry::DisplayPosition, 0, 15},
    {Entry::WhiteLevel, 0, 3},
    {Entry::EdgeLevel, 0, 3},
    {Entry::Titles, 0, 0},
    {Entry::DisplayPosition, 0, 15},
}};

constexpr std::string_view kEmptyTitle = "s";
constexpr std::string_view kLineEnd = "\r\n";

template <class Image>
using NumberSpan = std::span<std::conditional_t<std::is_const_v<Image>, const int, int>>;

template <class Image>
NumberSpan<Image> Numbers(Image& image, Entry entry) {
  switch (entry) {
    case Entry::DisplayFlag: return image.display_flag;
    case Entry::CharSize: return image.char_size;
    case Entry::AutoSwitchTime: return image.auto_switch_time;
    case Entry::StartupPage: return image.startup_page;
    case Entry::DisplayPage: return image.display_page;
    case Entry::DisplayPosition: return image.display_position;
    case Entry::WhiteLevel: return {&image.white_level, 1};
    case Entry::EdgeLevel: return {&image.edge_level, 1};
    case Entry::Titles: break;
  }
  return {};
}

std::optional<DocumentFault> UnsavableTitle(const SettingsImage& image) {
  for (int i = 0; i < kTitles; ++i) {
    const std::string& title = image.title_text[static_cast<std::size_t>(i)];
    if (title.size() > static_cast<std::size_t>(kTitleSlotBytes))
      return DocumentFault{PageName(i) + " のタイトルが59バイトを超えているので、保存できません。"};
    if (title.find_first_of(std::string_view("\n\0", 2)) != std::string::npos)
      return DocumentFault{PageName(i) + " のタイトルに、ファイルの1行に書けない外字があるので、保存できません。"};
  }
  return std::nullopt;
}

// Lines of a document; the first line decides whether lines end in CR LF or in LF alone,
// so a title ending in the byte 0x0D keeps it either way.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : rest_(bytes) {
    const std::size_t lf = bytes.find('\n');
    crlf_ = lf != std::string_view::npos && lf > 0 && bytes[lf - 1] == '\r';
  }
  std::optional<std::string_view> Next() {
    if (rest_.empty()) return std::nullopt;
    ++number_;
    const std::size_t lf = rest_.find('\n');
    std::string_view line = rest_.substr(0, lf);
    rest_ = lf == std::string_view::npos ? std::string_view{} : rest_.substr(lf + 1);
    if (crlf_ && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }
  int number() const { return number_; }

 private:
  std::string_view rest_;
  bool crlf_ = false;
  int number_ = 0;
};

DocumentFault LineFault(int line, std::string_view what) {
  return DocumentFault{"設定ファイルの" + std::to_string(line) + "行目" + std::string(what)};
}

std::optional<DocumentFault> ReadNumber(LineReader& lines, const Block& block, int& target) {
  const auto line = lines.Next();
  if (!line) return LineFault(lines.number() + 1, "がありません。");
  int value = 0;
  const auto [end, error] = std::from_chars(line->data(), line->data() + line->size(), value);
  if (line->empty() || error == std::errc::invalid_argument || end != line->data() + line->size())
    return LineFault(lines.number(), "が数値ではありません。");
  if (error == std::errc::result_out_of_range || value < block.low || value > block.high)
    return LineFault(lines.number(), "の値 " + std::string(*line) + " は " + std::to_string(block.low) + "～" +
                                         std::to_string(block.high) + " の範囲外です。");
  target = value;
  return std::nullopt;
}

std::optional<DocumentFault> ReadTitle(LineReader& lines, std::string& target) {
  const auto line = lines.Next();
  if (!line) return LineFault(lines.number() + 1, "がありません。");
  if (line->size() > static_cast<std::size_t>(kTitleSlotBytes))
    return LineFault(lines.number(), "のタイトルが59バイトを超えています。");
  if (line->find('\0') != std::string_view::npos) return LineFault(lines.number(), "のタイトルに 0x00 があります。");
  target = *line == kEmptyTitle ? std::string() : std::string(*line);
  return std::nullopt;
}

}  // namespace

std::variant<std::string, DocumentFault> FormatDocument(const SettingsImage& image) {
  if (auto fault = UnsavableTitle(image)) return *fault;
  std::string text;
  for (const Block& block : kLayout) {
    if (block.entry == Entry::Titles) {
      for (const std::string& title : image.title_text) {
        text += title.empty() ? kEmptyTitle : std::string_view(title);
        text += kLineEnd;
      }
      continue;
    }
    for (int value : Numbers(image, block.entry)) {
      text += std::to_string(value);
      text += kLineEnd;
    }
  }
  return text;
}

std::optional<DocumentFault> ParseDocument(std::string_view bytes, SettingsImage& image) {
  if (bytes.size() > kMaxDocumentBytes) return DocumentFault{"設定ファイルではありません（大きすぎます）。"};
  SettingsImage read = image;
  LineReader lines(bytes);
  for (const Block& block : kLayout) {
    if (block.entry == Entry::Titles) {
      for (std::string& title : read.title_text)
        if (auto fault = ReadTitle(lines, title)) return fault;
      continue;
    }
    for (int& value : Numbers(read, block.entry))
      if (auto fault = ReadNumber(lines, block, value)) return fault;
  }
  image = std::move(read);
  return std::nullopt;
}

}  // namespace vtg
