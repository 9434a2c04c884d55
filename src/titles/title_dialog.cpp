#include "titles/title_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

#include "titles/page_edits.h"
#include "titles/title_codes.h"
#include "titles/title_controls.h"
#include "titles/title_runs.h"
#include "ui/slave_address_combo.h"

namespace vtg {

TitleDialog::TitleDialog(ui::AppContext& app, QWidget* parent)
    : SettingsDialog(app, {QStringLiteral("タイトル設定"), QStringLiteral("タイトルの設定 ")}, parent) {
  const Selection& at = state().selection;
  auto* grid = new QGridLayout;
  cells_ = PageCells<kTitleCells>(40191, QStringLiteral("Page00=") + QString(kTitleChars, QChar(u'亜')), grid, this);

  QComboBox* lines = ChoiceList(kLineListId, LineListEntries(), at.current_line, this);
  QComboBox* pages = ChoiceList(kPageListId, NumberEntries(1, kPages, 2), at.current_page, this);
  OnChoice(lines, this, [this](int line) {
    state().selection.current_line = line;
    ShowPage();
  });
  OnChoice(pages, this, [this](int page) {
    state().selection.current_page = page;
    ShowPage();
  });
  edit_ = ui::WithId(1096, new TitleEdit(this));
  connect(edit_, &TitleEdit::titleEdited, this, [this] {
    EditCurrentTitle(state(), edit_->title());
    RefreshCells();
  });
  auto* slave = new ui::SlaveAddressCombo(state(), ui::SlaveAddressCombo::Entries::WithBroadcast, this);

  QPushButton* send = Button(40031, QStringLiteral("設定"));
  QPushButton* send_all = Button(40189, QStringLiteral("全設定"));
  // Never offered to the operator, but they work.
  QPushButton* send_unstored = Button(40030, QStringLiteral("Not Memory"));
  QPushButton* send_all_unstored = Button(1016, QStringLiteral("NM全設定"));
  for (QPushButton* hidden : {send_unstored, send_all_unstored}) {
    hidden->setEnabled(false);
    hidden->setVisible(false);
  }
  connect(send, &QPushButton::clicked, this, [this] { SendCurrent(TitleMemory::Store); });
  connect(send_unstored, &QPushButton::clicked, this, [this] { SendCurrent(TitleMemory::NotStore); });
  connect(send_all, &QPushButton::clicked, this, [this] { SendAll(TitleMemory::Store); });
  connect(send_all_unstored, &QPushButton::clicked, this, [this] { SendAll(TitleMemory::NotStore); });

  auto* progress = ui::WithId(1019, new QProgressBar(this));
  progress->setRange(0, kTitles);
  progress->setTextVisible(false);
  auto* percent = ui::WithId(1095, new QLineEdit(this));
  percent->setReadOnly(true);
  percent->setFixedWidth(percent->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
  QPushButton* close = Button(2, QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  runner_ = new ui::SequenceRunner(app, this, close, progress, percent);

  auto* choices = new QHBoxLayout;
  choices->addWidget(Group(QStringLiteral("Channel Number"), {lines}));
  choices->addWidget(Group(QStringLiteral("Page Number"), {pages}));
  choices->addWidget(Group(QStringLiteral("Slave Address"), {slave}));
  choices->addStretch();
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {send, send_all, send_unstored, send_all_unstored}) buttons->addWidget(button);
  buttons->addWidget(progress, 1);
  buttons->addWidget(percent);
  buttons->addWidget(new QLabel(QStringLiteral("％"), this));
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(choices);
  layout->addWidget(Group(QStringLiteral("Title"), {edit_, edit_->note()}, Qt::Vertical));
  layout->addLayout(buttons);
  KeepControlsWhole(this);
  ShowPage();
}

void TitleDialog::ShowPage() {
  const Selection& at = state().selection;
  edit_->ShowTitle(state().image.title_text[static_cast<std::size_t>(TitleIndex(at.current_line, at.current_page))]);
  RefreshCells();
}

void TitleDialog::RefreshCells() {
  const Selection& at = state().selection;
  ShowCells(cells_, TitlePageCells(state().image, at.current_line, at.current_page));
}

void TitleDialog::SendCurrent(TitleMemory memory) {
  if (state().flags.sequence_step != 0) return;
  const Selection& at = state().selection;
  SendTitleText(app().link, app().messages, state().image, TitleIndex(at.current_line, at.current_page), memory);
}

void TitleDialog::SendAll(TitleMemory memory) {
  runner_->Begin(TitleTextRun(app().link, app().messages, state().image, memory));
}

}  // namespace vtg
