#include "ui/cp932_byte_limit.h"

#include "ui/cp932_text.h"

namespace vtg {

QValidator::State Cp932ByteLimit::validate(QString& input, int&) const {
  QString refused;
  const auto bytes = TextToCp932Bytes(input, &refused);
  if (!bytes) {
    note_->Refuse(refused);
    return Invalid;
  }
  if (!fits_(bytes->size())) return Invalid;
  input = WithCp932Forms(input);
  return Acceptable;
}

}  // namespace vtg
