#include "ui/settings_dialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPointer>

#include "link/link.h"
#include "ui/family_modal.h"
#include "ui/qt_text.h"
#include "ui/sequence_runner.h"

namespace vtg::ui {

SettingsDialog::SettingsDialog(AppContext& app, const DialogSetup& setup, QWidget* parent)
    : QDialog(parent), app_(app) {
  MakeFamilyModal(*this);
  app.link.SetGlyphRepaint([self = QPointer<QWidget>(this)] {
    if (self) self->update();
  });
  if (app.set_message_owner) app.set_message_owner(QApplication::activeWindow());
  app.state.corner_clicks = 0;
  if (setup.address_prefix) app.state.flags.address_prefix = *setup.address_prefix;

  QString caption = setup.caption;
  if (!setup.peer_caption.isEmpty() && app.state.link.selected_peer != -1)
    caption = setup.peer_caption + ToQString(PeerAddressText(app.state.client_table, app.state.link.selected_peer));
  setWindowTitle(caption);
  // Room for the whole caption beside the frame's buttons.
  setMinimumWidth(fontMetrics().horizontalAdvance(caption) + 120);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QPushButton* SettingsDialog::Button(int id, const QString& text) {
  auto* button = WithId(id, new QPushButton(text, this));
  button->setAutoDefault(false);
  return button;
}

QGroupBox* SettingsDialog::Group(const QString& title, std::initializer_list<QWidget*> controls,
                                 Qt::Orientation orientation) {
  auto* group = new QGroupBox(title);
  auto* layout = new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom,
                                group);
  for (QWidget* control : controls) layout->addWidget(control);
  return group;
}

void SettingsDialog::done(int result) {
  for (SequenceRunner* runner : findChildren<SequenceRunner*>()) runner->Abort();
  QDialog::done(result);
}

}  // namespace vtg::ui
