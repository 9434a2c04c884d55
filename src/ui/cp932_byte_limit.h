#pragma once
// An edit box validator for texts that are stored as code page 932 bytes.
#include <QValidator>
#include <cstddef>
#include <functional>

#include "ui/refused_character_note.h"

namespace vtg {

// Refuses input whose code page 932 bytes do not fit, or that holds a character without a
// code, which `note` then names. A character in its JIS form is shown as the one it stands for.
class Cp932ByteLimit : public QValidator {
 public:
  using Fits = std::function<bool(std::size_t bytes)>;
  Cp932ByteLimit(Fits fits, ui::RefusedCharacterNote* note, QObject* parent)
      : QValidator(parent), fits_(std::move(fits)), note_(note) {}
  State validate(QString& input, int& position) const override;

 private:
  Fits fits_;
  ui::RefusedCharacterNote* note_;
};

}  // namespace vtg
