#include "titles/glyph_insert_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "link/link.h"
#include "titles/glyph_insert_command.h"
#include "titles/page_cells.h"
#include "titles/title_controls.h"
#include "ui/qt_text.h"
#include "ui/slave_address_combo.h"

namespace vtg {
namespace {

QStringList SizeEntries() {
  QStringList entries;
  for (std::string_view size : kSizeChoices) entries << ui::ToQString(size);
  return entries;
}

// Grows or shrinks a number list at its end, so the entries it keeps stay as they are.
void ResizeNumbers(QComboBox* list, int count, int digits) {
  while (list->count() > count) list->removeItem(list->count() - 1);
  while (list->count() < count)
    list->addItem(QStringLiteral("%1").arg(list->count() + 1, digits, 10, QLatin1Char('0')));
}

}  // namespace

GlyphInsertDialog::GlyphInsertDialog(ui::AppContext& app, TitleDialogChoices& choices, QWidget* parent)
    : SettingsDialog(app, {QStringLiteral("外字挿入"), QStringLiteral("外字挿入 ")}, parent), choices_(choices) {
  const Selection& at = state().selection;
  QComboBox* lines = ChoiceList(kLineListId, LineListEntries(), at.current_line, this);
  QComboBox* pages = ChoiceList(kPageListId, NumberEntries(1, kPages, 2), at.current_page, this);
  size_ = ChoiceList(1096, SizeEntries(), static_cast<int>(choices.insert_class), this);
  glyphs_ = ChoiceList(1060, {}, -1, this);
  positions_ = ChoiceList(1061, {}, -1, this);
  OnChoice(lines, this, [this](int line) { state().selection.current_line = line; });
  OnChoice(pages, this, [this](int page) { state().selection.current_page = page; });
  OnChoice(size_, this, [this](int size) {
    choices_.insert_class = static_cast<GlyphClass>(size);
    ShowClass();
  });
  OnChoice(glyphs_, this, [this](int glyph) { state().glyph.glyph_index = glyph; });
  OnChoice(positions_, this, [this](int position) { choices_.insert_position = position; });
  auto* slave = new ui::SlaveAddressCombo(state(), ui::SlaveAddressCombo::Entries::WithBroadcast, this);

  QPushButton* send = Button(40031, QStringLiteral("設定"));
  connect(send, &QPushButton::clicked, this, [this] {
    const Selection& now = state().selection;
    this->app().link.SendCommandLine(
        GlyphInsertCommand(state().glyph.glyph_index, now.current_line, now.current_page, choices_.insert_position));
  });
  QPushButton* close = Button(2, QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout;
  grid->addWidget(Group(QStringLiteral("Channel Number"), {lines}), 0, 0);
  grid->addWidget(Group(QStringLiteral("Page Number"), {pages}), 0, 1);
  grid->addWidget(Group(QStringLiteral("文字サイズ"), {size_}), 0, 2);
  grid->addWidget(Group(QStringLiteral("外字登録番号"), {glyphs_}), 1, 0);
  grid->addWidget(Group(QStringLiteral("挿入位置"), {positions_}), 1, 1);
  grid->addWidget(Group(QStringLiteral("Slave Address"), {slave}), 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(send);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  ShowClass();
  KeepControlsWhole(this);
}

void GlyphInsertDialog::ShowClass() {
  const GlyphClass c = choices_.insert_class;
  KeepInsertChoiceInClass(c, state().glyph.glyph_index, choices_.insert_position);
  ResizeNumbers(glyphs_, Info(c).count, 3);
  ResizeNumbers(positions_, InsertPositions(c), 2);
  size_->setCurrentIndex(static_cast<int>(c));
  glyphs_->setCurrentIndex(state().glyph.glyph_index);
  positions_->setCurrentIndex(choices_.insert_position);
}

}  // namespace vtg
