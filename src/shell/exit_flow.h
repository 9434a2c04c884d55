#pragma once
// Whether the controller may end now: never while a TCP/IP peer is connected, and edited
// titles and drawn glyphs are saved first when the operator asks for it.
#include <functional>
#include <string>
#include <string_view>

#include "glyphs/glyph_class.h"
#include "link/messages.h"
#include "settings/controller_state.h"

namespace vtg {

inline constexpr std::string_view kDisconnectFirstText = "TCP/IPを切断してください。";
inline constexpr std::string_view kExitUnsavedText = "データを保存せずに終了しますか？";

// Saves the document (Save, or Save As without a name); false when that failed or was
// cancelled. Empty where no document save exists.
using SaveDocument = std::function<bool()>;
// Saves the glyphs of one class to its glyph list file, asking a name when it has none;
// false when that failed or was cancelled.
using SaveGlyphs = std::function<bool(GlyphClass)>;

// The question about the glyphs of one class drawn and not saved; "Yes" saves them.
std::string ExitUnsavedGlyphsText(GlyphClass c);

// True when the program may end. The document is asked about first, then each class of
// glyphs drawn and not saved. A save that fails or is cancelled, or a cancelled glyph
// question, keeps it open, so nothing is lost.
bool MayExit(const ControllerState& state, Messages& messages, const SaveDocument& save,
             const SaveGlyphs& save_glyphs);

}  // namespace vtg
