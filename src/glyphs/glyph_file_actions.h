#pragma once
// "開く", "保存" and "名前をつけて保存" of the glyph lists. Each does nothing while a list
// transfer runs or a glyph read is outstanding; each returns true when it loaded or wrote.
#include "settings/file_dialogs.h"
#include "glyphs/glyph_class.h"
#include "link/messages.h"
#include "settings/controller_state.h"

namespace vtg {

// Also waits for a running settings sequence. The list page must then be drawn again.
bool OpenGlyphListFile(ControllerState& state, Messages& messages, FileDialogs& dialogs, GlyphClass c);
bool SaveGlyphListFile(ControllerState& state, Messages& messages, GlyphClass c);
bool SaveGlyphListFileAs(ControllerState& state, Messages& messages, FileDialogs& dialogs, GlyphClass c);
// Save, or Save as when the class has no file yet.
bool SaveGlyphListFileOrAs(ControllerState& state, Messages& messages, FileDialogs& dialogs, GlyphClass c);

}  // namespace vtg
