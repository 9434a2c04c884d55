#include "glyphs/glyph_dialogs.h"

#include "glyphs/glyph_info_dialog.h"
#include "glyphs/glyph_list_dialog.h"
#include "shell/menu_table.h"

namespace vtg {
namespace {

template <GlyphClass kClass>
void OpenList(ui::AppContext& app, QWidget* owner) {
  GlyphListDialog dialog(app, kClass, owner);
  dialog.exec();
}

}  // namespace

void RegisterGlyphDialogs(ui::DialogRegistry& registry) {
  registry.Register(kCmdGlyphListLarge, OpenList<GlyphClass::Large>);
  registry.Register(kCmdGlyphListMedium, OpenList<GlyphClass::Medium>);
  registry.Register(kCmdGlyphListSmall, OpenList<GlyphClass::Small>);
  registry.Register(kCmdAboutGlyphs, ui::OpenModal<GlyphInfoDialog>);
}

}  // namespace vtg
