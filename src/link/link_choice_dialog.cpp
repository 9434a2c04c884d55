#include "link/link_choice_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vtg {

LinkChoiceDialog::LinkChoiceDialog(ui::AppContext& app, const LinkChoice& choice, QWidget* parent)
    : SettingsDialog(app, {QString::fromUtf8(choice.caption), {}, choice.address_prefix}, parent) {
  auto* list = ui::WithId(choice.list_id, new QComboBox(this));
  list->addItems({QString::fromUtf8(choice.entries[0]), QString::fromUtf8(choice.entries[1])});
  LinkConfig& link = state().link;
  list->setCurrentIndex(link.*choice.setting == 0 ? 0 : 1);
  list->setEnabled(link.tcp_connected == 0);
  connect(list, &QComboBox::currentIndexChanged, this, [this, &choice](int index) {
    if (index < 0) return;
    state().link.*choice.setting = index;
    StoreKey(state().link, choice.key, this->app().profile);
  });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* ok = Button(1, QStringLiteral("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(ok);
  if (choice.has_close) {
    QPushButton* close = Button(2, QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Group(QString::fromUtf8(choice.group), {list}));
  layout->addLayout(buttons);
}

}  // namespace vtg
