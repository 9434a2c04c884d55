#include "titles/title_edit.h"

#include <QValidator>

#include "titles/page_edits.h"
#include "ui/cp932_text.h"

namespace vtg {
namespace {

class TitleValidator : public QValidator {
 public:
  TitleValidator(const std::string& title, QObject* parent) : QValidator(parent), title_(title) {}

  State validate(QString& input, int&) const override {
    const std::optional<std::string> bytes = TextToCp932Bytes(input);
    return bytes && TitleEditFits(title_.size(), bytes->size()) ? Acceptable : Invalid;
  }

 private:
  // The title before the edit.
  const std::string& title_;
};

}  // namespace

TitleEdit::TitleEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new TitleValidator(title_, this));
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
