#include "titles/title_edit.h"

#include "titles/page_edits.h"
#include "ui/cp932_byte_limit.h"
#include "ui/cp932_text.h"

namespace vtg {

TitleEdit::TitleEdit(QWidget* parent) : QLineEdit(parent), note_(new ui::RefusedCharacterNote(this, this)) {
  // title_ is still the title before the edit.
  const auto fits = [this](std::size_t bytes) { return TitleEditFits(title_.size(), bytes); };
  setValidator(new Cp932ByteLimit(fits, note_, this));
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    std::optional<std::string> bytes = TextToCp932Bytes(text);
    if (!bytes) return;
    title_ = std::move(*bytes);
    emit titleEdited();
  });
}

void TitleEdit::ShowTitle(std::string_view title) {
  title_ = title;
  setText(Cp932BytesToText(title));
}

}  // namespace vtg
