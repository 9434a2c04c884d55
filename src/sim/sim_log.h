#pragma once
// The --log file: every line received and sent, with a time stamp.
#include <QFile>
#include <QString>
#include <string_view>

namespace vtg::sim {

class SimLog {
 public:
  // Returns false, with the reason in `error`, when the file cannot be opened for appending.
  bool open(const QString& path, QString* error);

  // `link` names the connection or port; `what` is "<-" received, "->" sent, "x>" swallowed
  // by the drop fault, or "--" for an event; bytes that are not printable are escaped.
  void record(const QString& link, std::string_view what, std::string_view text);

 private:
  QFile file_;
};

}  // namespace vtg::sim
