#include "glyphs/glyph_info_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <string_view>

#include "ui/family_modal.h"
#include "ui/qt_text.h"

namespace vtg {
namespace {

constexpr std::string_view kLines[] = {
    "外字1文字ずつの場合の拡張子は､TXTです。",
    "外字一覧の場合の拡張子は､TLLです。",
    "※外字操作は､自動切換え時に行わないでください。",
};

}  // namespace

GlyphInfoDialog::GlyphInfoDialog(ui::AppContext&, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("外字について"));
  ui::MakeFamilyModal(*this);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 16);
  for (std::string_view line : kLines) layout->addWidget(new QLabel(ui::ToQString(line), this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GlyphInfoDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    accept();
  else
    QDialog::keyPressEvent(event);
}

}  // namespace vtg
