#pragma once
// The table of the settings in which the unit differs from the data: item, data, unit.
#include <QTableWidget>
#include <vector>

#include "settings/setting_comparison.h"

namespace vtg::shell {

QTableWidget* NewDifferenceTable(int id, QWidget* parent);
void ShowDifferences(QTableWidget& table, const std::vector<Difference>& found);

}  // namespace vtg::shell
