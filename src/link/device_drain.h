#pragma once
// Hands everything a port or socket holds to `sink` in pieces of at most 600 bytes. Data that
// arrived while a message box ran its own event loop is taken too: Qt does not signal it
// again while the handler that showed the box is still running.
#include <QIODevice>
#include <QPointer>
#include <string_view>

namespace vtg {

// What a port or socket holds unread at most (its read buffer size). A unit answers each
// command with one line of at most 600 bytes: only a peer that kept sending while a box held
// up the reader fills it. What the system holds beyond it waits there.
inline constexpr qint64 kMaxUnreadBytes = 4096;

// A full device is emptied without reading: what it held is dropped and `dropped` is told, so
// that the line it broke off is dropped through its end, as the rest of an overlong line is.
template <typename Sink, typename Dropped>
void DrainDevice(QIODevice* device, Sink&& sink, Dropped&& dropped) {
  char piece[600];
  // The sink may show a box whose event loop closes and deletes the device.
  for (QPointer<QIODevice> alive(device); alive && alive->bytesAvailable() > 0;) {
    if (const qint64 held = alive->bytesAvailable(); held >= kMaxUnreadBytes) {
      const qint64 skipped = alive->skip(held);
      dropped();
      if (skipped <= 0) return;
      continue;
    }
    const qint64 n = alive->read(piece, sizeof piece);
    if (n <= 0) return;
    sink(std::string_view(piece, static_cast<std::size_t>(n)));
  }
}

}  // namespace vtg
