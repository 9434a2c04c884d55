#pragma once
// Whether the controller may end now: never while a TCP/IP peer is connected, and edited
// titles are saved first when the operator asks for it.
#include <functional>
#include <string_view>

#include "link/messages.h"
#include "settings/controller_state.h"

namespace vtg {

inline constexpr std::string_view kDisconnectFirstText = "TCP/IPを切断してください。";
inline constexpr std::string_view kExitUnsavedText = "データを保存せずに終了しますか？";

// Saves the document (Save, or Save As without a name); false when that failed or was
// cancelled. Empty where no document save exists.
using SaveDocument = std::function<bool()>;

// True when the program may end. A save that fails or is cancelled keeps it open, so the
// edits are not lost.
bool MayExit(const ControllerState& state, Messages& messages, const SaveDocument& save);

}  // namespace vtg
