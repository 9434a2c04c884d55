#pragma once
// Beside a text box: why the character just typed or pasted was refused. It beeps as the
// message boxes do, and goes when the box's text changes.
#include <QLabel>
#include <QLineEdit>

namespace vtg::ui {

class RefusedCharacterNote : public QLabel {
  Q_OBJECT
 public:
  RefusedCharacterNote(QLineEdit* box, QWidget* parent);

  void Refuse(const QString& character);
};

}  // namespace vtg::ui
