#include "shell/version_dialog.h"

#include <QBoxLayout>
#include <QLabel>

#include "shell/program_icon.h"

namespace vtg::shell {

VersionDialog::VersionDialog(ui::AppContext& app, QWidget* parent)
    : SettingsDialog(app, {QStringLiteral("VTG7300のﾊﾞｰｼﾞｮﾝ情報"), QStringLiteral("VTG7300のバージョン情報 ")}, parent) {
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("MYICON"));
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  QPushButton* ok = Button(1, QStringLiteral("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* text_row = new QHBoxLayout;
  text_row->addWidget(icon);
  text_row->addSpacing(12);
  text_row->addWidget(new QLabel(QString::fromUtf8(kVersionText), this), 1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(text_row);
  column->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace vtg::shell
