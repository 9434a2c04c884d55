#include "glyphs/glyph_file_actions.h"

#include "glyphs/glyph_list_file.h"

namespace vtg {
namespace {

constexpr std::string_view kOpenWithoutSaving = "データを保存せずに別のファイルを開きますか？";
constexpr std::string_view kOpenFileTitle = "ファイルのオープン";
constexpr std::string_view kSaveFileTitle = "ファイルの保存";
constexpr std::string_view kNoFileOpen = "Don't file open";

bool FileWorkAllowed(const ControllerState& state) {
  return state.glyph.glyph_transfer_busy == 0 && state.glyph.glyph_read_pending == 0;
}

FileDialogRequest Request(std::string_view title, GlyphClass c) {
  return {std::string(title), {FileType(c).filter, kAllFilesFilter}, {}};
}

bool Save(ControllerState& state, Messages& messages, const std::string& path, GlyphClass c) {
  if (const auto error = SaveGlyphList(path, c, state.image.glyphStore(c))) {
    messages.StopBox(*error);
    return false;
  }
  state.glyph.listFile(c) = {path, 0};
  return true;
}

}  // namespace

bool OpenGlyphListFile(ControllerState& state, Messages& messages, FileDialogs& dialogs, GlyphClass c) {
  if (!FileWorkAllowed(state) || state.flags.sequence_step != 0) return false;
  const bool unsaved = state.doc.doc_modified || state.glyph.listFile(c).unsaved;
  if (unsaved && !messages.Ask(Question::UnsavedData, kOpenWithoutSaving)) return false;
  const auto path = dialogs.ChooseFileToOpen(Request(kOpenFileTitle, c));
  if (!path) return false;
  const std::string refusal = LoadGlyphList(*path, c, state.image.glyphStore(c));
  if (!refusal.empty()) {
    messages.ErrorBox(refusal);
    return false;
  }
  state.glyph.listFile(c) = {*path, 0};
  return true;
}

bool SaveGlyphListFile(ControllerState& state, Messages& messages, GlyphClass c) {
  if (!FileWorkAllowed(state)) return false;
  const std::string& name = state.glyph.listFile(c).name;
  if (name.empty()) {
    messages.ErrorBox(kNoFileOpen);
    return false;
  }
  return Save(state, messages, name, c);
}

bool SaveGlyphListFileAs(ControllerState& state, Messages& messages, FileDialogs& dialogs, GlyphClass c) {
  if (!FileWorkAllowed(state)) return false;
  const auto path = ChooseSaveName(dialogs, messages, Request(kSaveFileTitle, c), FileType(c).extension);
  if (!path) return false;
  return Save(state, messages, *path, c);
}

bool SaveGlyphListFileOrAs(ControllerState& state, Messages& messages, FileDialogs& dialogs, GlyphClass c) {
  return state.glyph.listFile(c).name.empty() ? SaveGlyphListFileAs(state, messages, dialogs, c)
                                              : SaveGlyphListFile(state, messages, c);
}

}  // namespace vtg
