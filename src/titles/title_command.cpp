#include "titles/title_command.h"

#include "link/text_helpers.h"
#include "titles/line_fields.h"
#include "titles/title_codes.h"

namespace vtg {

namespace {
constexpr std::string_view kFullWidthSpace = "\x81\x40";
}  // namespace

std::optional<std::string> PadTitleText(std::string_view title) {
  if (title.size() % 2 != 0 || title.size() > kTitleBytes) return std::nullopt;
  std::string padded(title);
  while (padded.size() < kTitleBytes) padded += kFullWidthSpace;
  return padded;
}

std::optional<std::string> TitleCommand(const SettingsImage& image, int title_index, TitleMemory memory) {
  const auto padded = PadTitleText(image.title_text[static_cast<std::size_t>(title_index)]);
  if (!padded) return std::nullopt;
  std::string command = memory == TitleMemory::Store ? "CT" : "CN";
  command += LineField(title_index / kPages);
  command += PageField(title_index % kPages);
  for (std::size_t i = 0; i < padded->size(); i += 2) {
    const unsigned pair =
        static_cast<unsigned char>((*padded)[i]) * 256u + static_cast<unsigned char>((*padded)[i + 1]);
    const auto code = TitlePairToUnitCode(pair);
    if (!code) return std::nullopt;
    command += Hex4(*code);
  }
  command += kCrLf;
  return command;
}

bool SendTitleText(Link& link, Messages& messages, const SettingsImage& image, int title_index, TitleMemory memory) {
  const auto command = TitleCommand(image, title_index, memory);
  if (!command) {
    messages.ErrorBox(text::kNotJis);
    return false;
  }
  link.SendCommandLine(*command);
  return true;
}

}  // namespace vtg
