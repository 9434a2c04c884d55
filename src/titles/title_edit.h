#pragma once
// The title edit box: the operator types Unicode, the title stays code page 932 bytes.
// An edit that would take the title past 56 bytes or that holds a character without a code
// is refused as a whole, so a character is never split; a longer title loaded from a
// document can still be shortened.
#include <QLineEdit>
#include <string>
#include <string_view>

#include "ui/refused_character_note.h"

namespace vtg {

class TitleEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TitleEdit(QWidget* parent = nullptr);

  // Shows a title; this is no edit.
  void ShowTitle(std::string_view title);
  const std::string& title() const { return title_; }
  // Why a character was refused; the dialog places it beside the box.
  ui::RefusedCharacterNote* note() const { return note_; }

 signals:
  // The operator changed the title.
  void titleEdited();

 private:
  std::string title_;
  ui::RefusedCharacterNote* note_;
};

}  // namespace vtg
