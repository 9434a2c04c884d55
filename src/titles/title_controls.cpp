#include "titles/title_controls.h"

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
