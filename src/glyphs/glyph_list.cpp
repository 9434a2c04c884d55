#include "glyphs/glyph_list.h"

#include "glyphs/bmp_export.h"
#include "glyphs/glyph_commands.h"
#include "glyphs/glyph_file_actions.h"
#include "glyphs/glyph_transfer.h"
#include "link/text_helpers.h"

namespace vtg {

GlyphList::GlyphList(ControllerState& state, Link& link, Messages& messages, SequenceEngine& engine,
                     FileDialogs& dialogs, GlyphClass c)
    : state_(state), link_(link), messages_(messages), engine_(engine), dialogs_(dialogs), class_(c) {}

GlyphList::~GlyphList() {
  // A transfer must not outlive its list, or glyph_transfer_busy would block every later one.
  if (Busy()) {
    on_transfer_end_ = nullptr;
    Close();
  }
  // The engine may outlive the dialog; it must not call back into it.
  engine_.OnEnd({});
}

void GlyphList::Open() {
  int& page = state_.glyph.glyph_list_page;
  if (page < 0 || page >= ListLayout(class_).pages) page = 0;
  state_.image.ext_glyph_work = BlankGlyph(GlyphClass::Large);
}

bool GlyphList::Start(SequenceRun run, bool reads) {
  if (engine_.Begin(std::move(run)) != SequenceEngine::Start::Started) return false;
  state_.glyph.glyph_index = 0;
  state_.glyph.glyph_transfer_busy = 1;
  state_.glyph.glyph_transfer_class = class_;
  engine_.OnEnd([this, reads](SequenceEngine::End how) {
    state_.glyph.glyph_transfer_busy = 0;
    // The serial watchdog gives up without clearing it; the next transfer would wait forever.
    state_.glyph.glyph_read_pending = 0;
    if (how == SequenceEngine::End::Completed) {
      state_.glyph.glyph_index = 0;
      if (reads) state_.glyph.listFile(class_).unsaved = 0;
    }
    if (on_transfer_end_) on_transfer_end_();
  });
  return true;
}

bool GlyphList::SendAll() {
  if (Busy() || !messages_.ConfirmNotAutoSwitching()) return false;
  return Start(SendAllGlyphsRun(state_, link_, class_), false);
}

bool GlyphList::ReadAll() {
  if (Busy() || GlyphReadRefused(state_, link_, messages_, Box::Error)) return false;
  return Start(ReadAllGlyphsRun(state_, link_, class_), true);
}

bool GlyphList::ClearAll() {
  if (Busy() || state_.glyph.glyph_read_pending) return false;
  if (state_.glyph.glyph_edited && !messages_.Ask(Question::NewGlyphList, kClearQuestion)) return false;
  state_.image.glyphStore(class_).assign(static_cast<std::size_t>(Info(class_).count), BlankGlyph(class_));
  state_.glyph.listFile(class_) = {};
  state_.glyph.glyph_edited = 0;
  return true;
}

bool GlyphList::OpenFile() { return OpenGlyphListFile(state_, messages_, dialogs_, class_); }

bool GlyphList::SaveFile() { return SaveGlyphListFile(state_, messages_, class_); }

bool GlyphList::SaveFileAs() { return SaveGlyphListFileAs(state_, messages_, dialogs_, class_); }

void GlyphList::Close() {
  state_.glyph.glyph_read_pending = 0;
  if (Busy()) engine_.Abort();
  state_.glyph.glyph_transfer_busy = 0;
}

void GlyphList::ChoosePage(int page) {
  if (page >= 0 && page < ListLayout(class_).pages) state_.glyph.glyph_list_page = page;
}

std::optional<int> GlyphList::BoxAt(int x, int y) const {
  const int cell = GlyphCellAt(x, y);
  if (cell == kNoGlyphCell) return std::nullopt;
  // The cells count eight to a row; LARGE has seven boxes in each.
  const int row = cell / 8, column = cell % 8;
  const int columns = ListLayout(class_).columns();
  if (column >= columns) return std::nullopt;
  return row * columns + column;
}

bool GlyphList::ChooseForEditor(int box) {
  if (Busy() || box < 0 || box >= ListLayout(class_).boxes_per_page) return false;
  state_.glyph.glyph_index = GlyphOfBox(box);
  return true;
}

bool GlyphList::ExportBox(int box, const Picture& picture) {
  if (box < 0 || box >= ListLayout(class_).boxes_per_page) return false;
  return ExportGlyphBmp(state_, messages_, dialogs_, class_, GlyphOfBox(box), picture);
}

}  // namespace vtg
