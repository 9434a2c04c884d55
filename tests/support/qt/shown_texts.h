#pragma once
// What RecordingMessages showed, as text Qt Test can compare and print: "Error Command Error".
#include <QStringList>
#include <array>

#include "recording_messages.h"

namespace vtg::testing {

inline QStringList ShownTexts(const RecordingMessages& messages) {
  constexpr std::array kNames{"Error", "Stop", "OwnedStop", "Success", "SerialSuccess", "Network", "NetworkPlain"};
  QStringList lines;
  for (const auto& s : messages.shown)
    lines << QString::fromLatin1(kNames[static_cast<size_t>(s.box)]) + QLatin1Char(' ') +
                 QString::fromUtf8(s.text.data(), static_cast<qsizetype>(s.text.size()));
  return lines;
}

}  // namespace vtg::testing
