#include "shell/registered_dialogs.h"

#include "glyphs/glyph_dialogs.h"
#include "link/link_dialogs.h"
#include "titles/title_dialogs.h"

namespace vtg::shell {

void RegisterDialogs(ui::DialogRegistry& registry) {
  RegisterLinkDialogs(registry);
  RegisterTitleDialogs(registry);
  RegisterGlyphDialogs(registry);
}

}  // namespace vtg::shell
