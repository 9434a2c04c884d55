#include "sim/unit_link.h"

#include <algorithm>
#include <cmath>

#include "sim/sim_log.h"

namespace vtg::sim {

UnitLink::UnitLink(QString name, std::vector<SimulatedUnit*> units, const LinkSettings& settings, SimLog* log,
                   Writer writer, QObject* parent)
    : QObject(parent),
      name_(std::move(name)),
      bus_(std::move(units), settings.faults),
      pacing_(settings.pacing),
      log_(log),
      writer_(std::move(writer)) {
  clock_.start();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &UnitLink::writeDuePieces);
}

void UnitLink::receive(const QByteArray& bytes) {
  // Each line as it came, for the log, and as the unit reads it.
  std::vector<std::pair<std::string, AssembledLine>> lines;
  assembler_.Feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                  [&](std::string_view raw, bool overlong) {
                    std::string_view text = raw;
                    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
                    lines.push_back({std::string(raw), {std::string(text), overlong}});
                  });
  for (const auto& [raw, line] : lines) {
    if (log_) log_->record(name_, Traffic::Received, raw, line.overlong ? "overlong line" : "");
    const Delivery delivery = bus_.Deliver(line);
    if (log_)
      for (const std::string& dropped : delivery.dropped)
        log_->record(name_, Traffic::Event, dropped, "reply swallowed by the drop fault");
    for (const std::string& reply : delivery.replies) send(reply);
    if (delivery.changed) emit unitsChanged();
  }
}

void UnitLink::send(const std::string& reply) {
  if (pending_bytes_ + reply.size() > kMaxPendingBytes) {
    if (log_) log_->record(name_, Traffic::Event, reply, "reply dropped: link busy");
    return;
  }
  if (log_) log_->record(name_, Traffic::Sent, reply);
  const double now = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
  const PacedReply paced = PaceReply(reply, pacing_, std::max(now + pacing_.delay_ms, link_free_ms_));
  link_free_ms_ = paced.end_ms;
  for (const ReplyPiece& piece : paced.pieces) {
    pending_bytes_ += piece.bytes.size();
    pending_.push_back(piece);
  }
  writeDuePieces();
}

void UnitLink::writeDuePieces() {
  const double now = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
  while (!pending_.empty() && pending_.front().due_ms <= now) {
    const std::string& bytes = pending_.front().bytes;
    writer_(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    pending_bytes_ -= bytes.size();
    pending_.pop_front();
  }
  if (!pending_.empty()) timer_.start(static_cast<int>(std::ceil(pending_.front().due_ms - now)));
}

}  // namespace vtg::sim
