#include "link/permitted_units_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "settings/window_config.h"
#include "ui/control_id.h"
#include "ui/qt_text.h"

namespace vtg {

PermittedUnitsBox::PermittedUnitsBox(ui::AppContext& app, QWidget* parent)
    : QGroupBox(QStringLiteral("接続を許可する本機"), parent),
      app_(app),
      address_(ui::WithId(kAddressEdit, new QLineEdit(this))),
      list_(ui::WithId(kList, new QListWidget(this))) {
  address_->setPlaceholderText(QStringLiteral("192.168.1.0/24"));
  list_->setMaximumHeight(list_->fontMetrics().height() * 5);
  auto* add = ui::WithId(kAddButton, new QPushButton(QStringLiteral("追加"), this));
  auto* remove = ui::WithId(kRemoveButton, new QPushButton(QStringLiteral("削除"), this));
  connect(add, &QPushButton::clicked, this, [this] {
    if (!AddPermittedUnit(app_.state.link, address_->text().trimmed().toStdString(), app_.profile, app_.messages)) return;
    address_->clear();
    Show();
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    RemovePermittedUnit(app_.state.link, list_->currentRow(), app_.profile);
    Show();
  });

  auto* grid = new QGridLayout(this);
  grid->addWidget(address_, 0, 0);
  grid->addWidget(add, 0, 1);
  grid->addWidget(list_, 1, 0);
  grid->addWidget(remove, 1, 1, Qt::AlignTop);
  grid->addWidget(new QLabel(QStringLiteral("空のときはすべての本機が接続できます。"), this), 2, 0, 1, 2);
  Show();
}

void PermittedUnitsBox::Show() {
  list_->clear();
  for (const std::string& entry : app_.state.link.permitted_units) list_->addItem(ui::ToQString(entry));
}

}  // namespace vtg
