#include "cli/file_commands.h"

#include <filesystem>

#include "cli/difference_report.h"
#include "glyphs/bmp_export.h"
#include "glyphs/glyph_list_file.h"
#include "settings/controller_state.h"
#include "settings/document_commands.h"
#include "settings/setting_comparison.h"

namespace vtg::cli {

int RunFileCommand(const CtlOptions& options, Messages& messages, std::ostream& out, const ShiftJisDecoder& decode) {
  ControllerState state;
  ResetToDefaults(state);
  switch (options.command) {
    case Command::DocNew:
      return WriteDocumentFile(options.file, state.image, messages) ? kExitOk : kExitBadUsage;
    case Command::DocShow:
      if (!ReadDocumentFile(options.file, state.image, messages)) return kExitBadUsage;
      out << DocumentText(state.image, decode) << std::flush;
      return kExitOk;
    case Command::Diff: {
      SettingsImage second = state.image;
      if (!ReadDocumentFile(options.file, state.image, messages) ||
          !ReadDocumentFile(options.second_file, second, messages))
        return kExitBadUsage;
      return ReportDifferences(CompareSettings(state.image, second, decode), out, messages);
    }
    case Command::GlyphBmp: {
      auto& store = state.image.glyphStore(options.glyph_class);
      if (const std::string refusal = LoadGlyphList(options.file, options.glyph_class, store); !refusal.empty()) {
        messages.ErrorBox(refusal);
        return kExitBadUsage;
      }
      const Picture picture = RenderGlyph(options.glyph_class, store[static_cast<std::size_t>(options.glyph_index)]);
      if (const auto error = SaveBmp(options.picture_file, picture)) {
        messages.ErrorBox(*error);
        return kExitBadUsage;
      }
      return kExitOk;
    }
    default:
      return kExitBadUsage;
  }
}

int StoreGlyphInListFile(const CtlOptions& options, const std::string& glyph, Messages& messages) {
  const GlyphClass c = options.glyph_class;
  std::vector<std::string> store(static_cast<std::size_t>(Info(c).count), BlankGlyph(c));
  std::error_code missing;
  if (std::filesystem::exists(options.file, missing)) {
    if (const std::string refusal = LoadGlyphList(options.file, c, store); !refusal.empty()) {
      messages.ErrorBox(refusal);
      return kExitBadUsage;
    }
  }
  store[static_cast<std::size_t>(options.glyph_index)] = glyph;
  if (const auto error = SaveGlyphList(options.file, c, store)) {
    messages.ErrorBox(*error);
    return kExitBadUsage;
  }
  return kExitOk;
}

}  // namespace vtg::cli
