#include "shell/registered_dialogs.h"

#include "glyphs/glyph_dialogs.h"
#include "link/link_dialogs.h"

namespace vtg::shell {

void RegisterDialogs(ui::DialogRegistry& registry) {
  RegisterLinkDialogs(registry);
  RegisterGlyphDialogs(registry);
}

}  // namespace vtg::shell
