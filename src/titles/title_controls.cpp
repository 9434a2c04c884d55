#include "titles/title_controls.h"

#include <algorithm>

#include "titles/line_fields.h"
#include "ui/qt_text.h"

namespace vtg {

QComboBox* ChoiceList(int id, const QStringList& entries, int current, QWidget* parent) {
  auto* list = ui::WithId(id, new QComboBox(parent));
  list->addItems(entries);
  list->setMaxVisibleItems(16);
  list->setCurrentIndex(current < list->count() ? current : -1);
  return list;
}

void KeepControlsWhole(QWidget* dialog) {
  for (QComboBox* list : dialog->findChildren<QComboBox*>()) list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  // The caption's room set by the dialog base stays when it is the wider.
  dialog->setMinimumSize(dialog->minimumSize().expandedTo(dialog->layout()->minimumSize()));
}

QLabel* PageCell(int id, const QString& widest, QWidget* parent) {
  QLabel* cell = ui::WithId(id, new QLabel(parent));
  cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  cell->setTextFormat(Qt::PlainText);
  cell->setText(widest);
  const QSize wide = cell->sizeHint();
  cell->setText(QStringLiteral("亜"));
  cell->setMinimumSize(wide.width(), std::max(wide.height(), cell->sizeHint().height()));
  cell->clear();
  return cell;
}

QStringList LineListEntries() {
  QStringList entries;
  for (std::string_view name : kLineListNames) entries << ui::ToQString(name);
  return entries;
}

QStringList NumberEntries(int first, int count, int digits) {
  QStringList entries;
  for (int n = first; n < first + count; ++n) entries << QStringLiteral("%1").arg(n, digits, 10, QLatin1Char('0'));
  return entries;
}

}  // namespace vtg
