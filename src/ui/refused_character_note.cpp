#include "ui/refused_character_note.h"

#include <QApplication>

namespace vtg::ui {

RefusedCharacterNote::RefusedCharacterNote(QLineEdit* box, QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("refusedCharacterNote"));
  // Its line is kept while empty, so that nothing moves when it speaks.
  setMinimumHeight(fontMetrics().height());
  connect(box, &QLineEdit::textChanged, this, &QLabel::clear);
}

void RefusedCharacterNote::Refuse(const QString& character) {
  QApplication::beep();
  setText(QStringLiteral("「%1」は本機で使えない文字です").arg(character));
}

}  // namespace vtg::ui
