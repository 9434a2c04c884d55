#include "shell/difference_table.h"

#include <QHeaderView>

#include "ui/control_id.h"

namespace vtg::shell {

QTableWidget* NewDifferenceTable(int id, QWidget* parent) {
  auto* table = ui::WithId(id, new QTableWidget(0, 3, parent));
  table->setHorizontalHeaderLabels({QStringLiteral("項目"), QStringLiteral("データ"), QStringLiteral("本機")});
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setMinimumSize(720, 260);
  return table;
}

void ShowDifferences(QTableWidget& table, const std::vector<Difference>& found) {
  table.setRowCount(static_cast<int>(found.size()));
  for (int row = 0; row < table.rowCount(); ++row) {
    const Difference& d = found[static_cast<std::size_t>(row)];
    const std::string* cells[] = {&d.item, &d.document, &d.unit};
    for (int column = 0; column < 3; ++column) {
      auto* cell = new QTableWidgetItem(QString::fromStdString(*cells[column]));
      cell->setToolTip(cell->text());  // a long title may not fit its column
      table.setItem(row, column, cell);
    }
  }
}

}  // namespace vtg::shell
