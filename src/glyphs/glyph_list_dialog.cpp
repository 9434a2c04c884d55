#include "glyphs/glyph_list_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPointer>
#include <functional>

#include "glyphs/glyph_editor_dialog.h"
#include "glyphs/picture_image.h"
#include "ui/qt_text.h"
#include "ui/pace_choice.h"
#include "ui/slave_address_combo.h"

namespace vtg {
namespace {

constexpr int kPageCombo = 1148;
constexpr int kProgressBar = 1149;
constexpr int kPercentEdit = 1070;

// The runner of the transfers: the bar wraps past its maximum, and each step shows the
// glyphs that have arrived.
class GlyphTransferRunner : public ui::SequenceRunner {
 public:
  GlyphTransferRunner(ui::AppContext& app, QWidget* dialog, QAbstractButton* close, QProgressBar* bar,
                      QLineEdit* percent, std::function<int(int)> bar_value, std::function<void()> shown)
      : SequenceRunner(app, dialog, close, bar, percent), bar_value_(std::move(bar_value)), shown_(std::move(shown)) {}

  void ShowProgress(int position, std::string_view percent) override {
    SequenceRunner::ShowProgress(bar_value_(position), percent);
    shown_();
  }

 private:
  std::function<int(int)> bar_value_;
  std::function<void()> shown_;
};

}  // namespace

GlyphListDialog::GlyphListDialog(ui::AppContext& app, GlyphClass c, QWidget* parent, FileDialogs* file_dialogs)
    : SettingsDialog(app, {ui::ToQString(ListLayout(c).caption), ui::ToQString(ListLayout(c).caption) + ' ', std::nullopt},
                     parent),
      class_(c),
      platform_file_dialogs_(this),
      close_(Button(2, QStringLiteral("Close"))),
      bar_(ui::WithId(kProgressBar, new QProgressBar(this))),
      percent_(ui::WithId(kPercentEdit, new QLineEdit(this))),
      runner_(new GlyphTransferRunner(
          app, this, close_, bar_, percent_, [this](int position) { return list_.ProgressBarValue(position); },
          [this] {
            runner_->Measure(state().glyph.glyph_index, Info(class_).count);
            page_->update();
          })),
      list_(app.state, app.link, app.messages, runner_->engine(), file_dialogs ? *file_dialogs : platform_file_dialogs_,
            c) {
  list_.Open();
  page_ = new ui::GlyphPageView(list_, app.state, c, this);
  list_.OnTransferEnd([this] { page_->ShowPage(); });
  connect(page_, &ui::GlyphPageView::doubleClicked, this, &GlyphListDialog::OnDoubleClick);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page_);
  layout->addLayout(BottomRows());
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout* GlyphListDialog::BottomRows() {
  auto* pages = ui::WithId(kPageCombo, new QComboBox(this));
  for (std::string_view text : ListLayout(class_).page_texts) pages->addItem(ui::ToQString(text));
  pages->setCurrentIndex(list_.Page());
  connect(pages, &QComboBox::currentIndexChanged, this, [this](int page) {
    list_.ChoosePage(page);
    page_->ShowPage();
  });

  bar_->setRange(0, ListLayout(class_).progress_maximum);
  bar_->setTextVisible(false);
  percent_->setReadOnly(true);
  percent_->setAlignment(Qt::AlignCenter);
  percent_->setFocusPolicy(Qt::NoFocus);
  percent_->setFixedWidth(percent_->fontMetrics().horizontalAdvance(QStringLiteral("100.0")) + 16);

  struct Action {
    int id;
    const char* text;
    std::function<void()> run;
    bool last_of_group = false;
  };
  const Action actions[] = {
      {1064, "バッファクリア", [this] { if (list_.ClearAll()) page_->ShowPage(); }},
      {1065, "開く", [this] { if (list_.OpenFile()) page_->ShowPage(); }},
      {1066, "保存", [this] { list_.SaveFile(); }},
      {1067, "名前をつけて保存", [this] { list_.SaveFileAs(); }, true},
      {1075, "リード", [this] { list_.ReadAll(); }},
      {1068, "登録", [this] { list_.SendAll(); }},
  };
  auto* buttons = new QHBoxLayout;
  for (const Action& action : actions) {
    QPushButton* button = Button(action.id, QString::fromUtf8(action.text));
    connect(button, &QPushButton::clicked, this, action.run);
    buttons->addWidget(button);
    if (action.last_of_group) buttons->addStretch(1);
  }
  buttons->addSpacing(24);
  buttons->addWidget(close_);

  auto* progress = new QHBoxLayout;
  progress->addWidget(Group(QStringLiteral("番号切り替え"), {pages}));
  progress->addWidget(Group(QStringLiteral("スレーブアドレス"),
                            {new ui::SlaveAddressCombo(state(), ui::SlaveAddressCombo::Entries::WithBroadcast, this)}));
  progress->addWidget(Group(QStringLiteral("送信間隔"), {new ui::PaceChoice(app(), runner_->engine(), this)}));
  progress->addWidget(bar_, 1, Qt::AlignBottom);
  progress->addWidget(percent_, 0, Qt::AlignBottom);
  progress->addWidget(new QLabel(QStringLiteral("％"), this), 0, Qt::AlignBottom);
  auto* time = ui::WithId(ui::PaceChoice::kTimeId, new QLabel(this));
  time->setMinimumWidth(time->fontMetrics().horizontalAdvance(QStringLiteral("経過 00:00 残り 約00:00")));
  runner_->ShowTimeIn(time);
  progress->addWidget(time, 0, Qt::AlignBottom);

  auto* rows = new QVBoxLayout;
  rows->addLayout(progress);
  rows->addLayout(buttons);
  return rows;
}

void GlyphListDialog::OnDoubleClick(Qt::MouseButton button, QPoint at) {
  const auto box = list_.BoxAt(at.x(), at.y());
  if (!box) return;
  if (button == Qt::LeftButton && list_.ChooseForEditor(*box)) OpenEditor();
  if (button == Qt::RightButton) list_.ExportBox(*box, ui::CaptureWidget(page_->Box(*box)));
}

void GlyphListDialog::OpenEditor() {
  {
    GlyphEditorDialog editor(app(), class_, this);
    editor.exec();
  }
  BecomeReplyTarget();
  page_->ShowPage();
}

void GlyphListDialog::BecomeReplyTarget() {
  app().link.SetGlyphRepaint([page = QPointer<QWidget>(page_)] {
    if (page) page->update();
  });
}

void GlyphListDialog::done(int result) {
  list_.Close();
  SettingsDialog::done(result);
}

}  // namespace vtg
