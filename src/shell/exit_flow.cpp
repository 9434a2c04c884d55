#include "shell/exit_flow.h"

namespace vtg {

bool MayExit(const ControllerState& state, Messages& messages, const SaveDocument& save) {
  if (state.link.tcp_connected) {
    messages.StopBox(kDisconnectFirstText);
    return false;
  }
  if (!state.doc.doc_modified) return true;
  if (messages.Ask(Question::UnsavedData, kExitUnsavedText)) return true;
  return save && save();
}

}  // namespace vtg
