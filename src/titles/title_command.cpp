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

std::optional<std::string> TitleDigits(std::string_view title) {
  const auto padded = PadTitleText(title);
  if (!padded) return std::nullopt;
  std::string digits;
  for (std::size_t i = 0; i < padded->size(); i += 2) {
    const unsigned pair =
        static_cast<unsigned char>((*padded)[i]) * 256u + static_cast<unsigned char>((*padded)[i + 1]);
    const auto code = TitlePairToUnitCode(pair);
    if (!code) return std::nullopt;
    digits += Hex4(*code);
  }
  return digits;
}

std::optional<std::string> TitleCommand(const SettingsImage& image, int title_index, TitleMemory memory) {
  const auto digits = TitleDigits(image.title_text[static_cast<std::size_t>(title_index)]);
  if (!digits) return std::nullopt;
  return std::string(memory == TitleMemory::Store ? "CT" : "CN") + LineField(title_index / kPages) +
         PageField(title_index % kPages) + *digits + std::string(kCrLf);
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
