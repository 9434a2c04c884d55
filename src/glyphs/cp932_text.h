#pragma once
// The operator types Unicode; the unit and the core work in code page 932 (Shift-JIS) bytes.
#include <QString>
#include <QValidator>
#include <optional>
#include <string>
#include <string_view>

namespace vtg::ui {

// None when some character has no code page 932 code.
std::optional<std::string> ToCp932(const QString& text);
// Bytes that are no code page 932 text give an empty text.
QString FromCp932(std::string_view bytes);

// Refuses input that is longer than `max_bytes` in code page 932, or not expressible in it.
class Cp932ByteLimit : public QValidator {
 public:
  Cp932ByteLimit(int max_bytes, QObject* parent) : QValidator(parent), max_bytes_(max_bytes) {}
  State validate(QString& input, int& position) const override;

 private:
  int max_bytes_;
};

}  // namespace vtg::ui
