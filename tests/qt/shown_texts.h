#pragma once
// What a recording Messages fake showed, as text Qt Test can compare and print.
#include <QStringList>
#include <array>

#include "wired_controller.h"

namespace vtg::testing {

inline QString Line(Box box, std::string_view text) {
  constexpr std::array kNames{"Error", "Stop", "OwnedStop", "Success", "SerialSuccess", "Network", "NetworkPlain"};
  return QString::fromLatin1(kNames[static_cast<size_t>(box)]) + QLatin1Char(' ') +
         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QStringList Shown(const RecordingMessages& messages) {
  QStringList lines;
  for (const auto& s : messages.shown) lines << Line(s.box, s.text);
  return lines;
}

}  // namespace vtg::testing
