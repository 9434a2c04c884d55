#include "shell/exit_flow.h"

#include "glyphs/glyph_list.h"

namespace vtg {

std::string ExitUnsavedGlyphsText(GlyphClass c) {
  return std::string(ListLayout(c).caption) + "のデータが保存されていません。\n保存してから終了しますか？";
}

bool MayExit(const ControllerState& state, Messages& messages, const SaveDocument& save,
             const SaveGlyphs& save_glyphs) {
  if (state.link.tcp_connected) {
    messages.StopBox(kDisconnectFirstText);
    return false;
  }
  if (state.doc.doc_modified && !messages.Ask(Question::UnsavedData, kExitUnsavedText) && !(save && save()))
    return false;
  for (GlyphClass c : kAllGlyphClasses) {
    if (!state.glyph.listFile(c).unsaved) continue;
    const Answer answer = messages.AskOrCancel(Question::UnsavedData, ExitUnsavedGlyphsText(c));
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes && !(save_glyphs && save_glyphs(c))) return false;
  }
  return true;
}

}  // namespace vtg
