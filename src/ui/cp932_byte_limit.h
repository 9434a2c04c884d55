#pragma once
// An edit box validator for texts that are stored as code page 932 bytes.
#include <QValidator>

namespace vtg {

// Refuses input longer than `max_bytes` in code page 932, or not expressible in it.
class Cp932ByteLimit : public QValidator {
 public:
  Cp932ByteLimit(int max_bytes, QObject* parent) : QValidator(parent), max_bytes_(max_bytes) {}
  State validate(QString& input, int& position) const override;

 private:
  int max_bytes_;
};

}  // namespace vtg
