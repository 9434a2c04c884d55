#include "ui/cp932_byte_limit.h"

#include "ui/cp932_text.h"

namespace vtg {

QValidator::State Cp932ByteLimit::validate(QString& input, int&) const {
  const auto bytes = TextToCp932Bytes(input);
  return bytes && static_cast<int>(bytes->size()) <= max_bytes_ ? Acceptable : Invalid;
}

}  // namespace vtg
