#pragma once
// Hands everything a port or socket holds to `sink` in pieces of at most 600 bytes. Data that
// arrived while a message box ran its own event loop is taken too: Qt does not signal it
// again while the handler that showed the box is still running.
#include <QIODevice>
#include <QPointer>
#include <string_view>

namespace vtg {

template <typename Sink>
void DrainDevice(QIODevice* device, Sink&& sink) {
  char piece[600];
  // The sink may show a box whose event loop closes and deletes the device.
  for (QPointer<QIODevice> alive(device); alive && alive->bytesAvailable() > 0;) {
    const qint64 n = alive->read(piece, sizeof piece);
    if (n <= 0) return;
    sink(std::string_view(piece, static_cast<std::size_t>(n)));
  }
}

}  // namespace vtg
