#pragma once
// "外字について": what the operator must know about external characters. No buttons; Enter,
// Escape and the close box close it.
#include <QDialog>

#include "ui/app_context.h"

namespace vtg {

class GlyphInfoDialog : public QDialog {
  Q_OBJECT
 public:
  GlyphInfoDialog(ui::AppContext& app, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vtg
