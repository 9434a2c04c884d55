#include "link/traffic_log_window.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "settings/file_dialogs.h"
#include "settings/replace_file.h"
#include "ui/control_id.h"
#include "ui/message_boxes.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_text.h"

namespace vtg {
namespace {

constexpr FileFilter kTextFilter{"テキスト(*.txt)", "*.txt"};

}  // namespace

TrafficLogWindow::TrafficLogWindow(TrafficLog& log) : QWidget(nullptr, Qt::Window), log_(log) {
  setObjectName(QStringLiteral("trafficLogWindow"));
  setWindowTitle(QStringLiteral("通信ログ"));
  // Closing the main window ends the program even while this one is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  view_ = ui::WithId(kView, new QPlainTextEdit(this));
  view_->setReadOnly(true);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setMaximumBlockCount(static_cast<int>(TrafficLog::kKeptLines));
  view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  count_ = ui::WithId(kCountLabel, new QLabel(this));
  auto* clear = ui::WithId(kClearButton, new QPushButton(QStringLiteral("クリア"), this));
  auto* save = ui::WithId(kSaveButton, new QPushButton(QStringLiteral("保存"), this));
  connect(clear, &QPushButton::clicked, this, &TrafficLogWindow::Clear);
  connect(save, &QPushButton::clicked, this, &TrafficLogWindow::Save);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(count_, 1);
  buttons->addWidget(clear);
  buttons->addWidget(save);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  layout->addLayout(buttons);
  resize(900, 420);

  redraw_.setInterval(kRedrawMs);
  connect(&redraw_, &QTimer::timeout, this, &TrafficLogWindow::Redraw);
  Redraw();
}

void TrafficLogWindow::Redraw() {
  const std::uint64_t fresh = log_.Recorded() - shown_;
  shown_ = log_.Recorded();
  const std::size_t kept = log_.Kept();
  if (fresh > 0) {
    // Missed more than the log keeps (hidden meanwhile): start again from what it keeps.
    const std::size_t from = fresh >= kept ? 0 : kept - static_cast<std::size_t>(fresh);
    if (from == 0) view_->clear();
    QString lines;
    for (std::size_t i = from; i < kept; ++i) {
      if (i > from) lines += QLatin1Char('\n');
      lines += ui::ToQString(log_.Line(i));
    }
    if (!lines.isEmpty()) view_->appendPlainText(lines);
    if (from == 0) view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
  }
  QString count = QStringLiteral("%1 行").arg(kept);
  if (log_.Dropped() > 0) count += QStringLiteral("（古い %1 行は破棄しました）").arg(log_.Dropped());
  count_->setText(count);
}

void TrafficLogWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Redraw();
  redraw_.start();
}

void TrafficLogWindow::hideEvent(QHideEvent* event) {
  redraw_.stop();
  QWidget::hideEvent(event);
}

void TrafficLogWindow::Clear() {
  log_.Clear();
  view_->clear();
  Redraw();
}

void TrafficLogWindow::Save() {
  // Its boxes and its file dialog belong to this window alone.
  ui::MessageBoxes boxes;
  boxes.SetHome(this);
  ui::QtFileDialogs dialogs(this);
  const auto path =
      ChooseSaveName(dialogs, boxes, {"通信ログの保存", {kTextFilter, kAllFilesFilter}, "通信ログ.txt"}, ".txt");
  if (path && ReplaceFile(*path, log_.Text())) boxes.ErrorBox(kCantFileOpen);
}

}  // namespace vtg
