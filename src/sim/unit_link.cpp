#include "sim/unit_link.h"

#include <algorithm>
#include <cmath>

#include "sim/sim_log.h"

namespace vtg::sim {
namespace {

void StartFor(QTimer& timer, double due_ms, double now_ms) {
  timer.start(static_cast<int>(std::ceil(std::max(0.0, due_ms - now_ms))));
}

}  // namespace

UnitLink::UnitLink(QString name, std::vector<SimulatedUnit*> units, const LinkSettings& settings, SimLog* log,
                   Writer writer, QObject* parent)
    : QObject(parent),
      name_(std::move(name)),
      intake_(settings.pacing.line_rate_baud),
      bus_(std::move(units), settings.faults),
      pacing_(settings.pacing),
      log_(log),
      writer_(std::move(writer)) {
  clock_.start();
  for (QTimer* timer : {&intake_timer_, &timer_}) {
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
  }
  connect(&intake_timer_, &QTimer::timeout, this, &UnitLink::takeDueLines);
  connect(&timer_, &QTimer::timeout, this, &UnitLink::writeDuePieces);
}

void UnitLink::receive(const QByteArray& bytes) {
  if (gone_) return;
  for (const std::string& refused :
       intake_.Arrive(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), nowMs()))
    if (log_) log_->record(name_, Traffic::Received, refused, "line dropped: too many lines waiting");
  takeDueLines();
}

void UnitLink::takeDueLines() {
  for (const ReceivedLine& received : intake_.TakeDue(nowMs())) {
    take(received);
    if (gone_) return;
  }
  if (const auto next = intake_.NextDueMs()) StartFor(intake_timer_, *next, nowMs());
}

void UnitLink::take(const ReceivedLine& received) {
  const AssembledLine& line = received.line;
  if (log_) log_->record(name_, Traffic::Received, received.raw, line.overlong ? "overlong line" : "");
  const Delivery delivery = bus_.Deliver(line);
  if (log_)
    for (const std::string& dropped : delivery.dropped)
      log_->record(name_, Traffic::Event, dropped,
                   delivery.close_link ? "reply withheld by the close fault" : "reply swallowed by the drop fault");
  for (const std::string& reply : delivery.replies) send(reply, received.due_ms);
  if (delivery.changed) emit unitsChanged();
  if (delivery.close_link) closeByFault();
}

void UnitLink::send(const std::string& reply, double taken_ms) {
  if (pending_bytes_ + reply.size() > kMaxPendingBytes) {
    if (log_) log_->record(name_, Traffic::Event, reply, "reply dropped: link busy");
    return;
  }
  if (log_) log_->record(name_, Traffic::Sent, reply);
  const PacedReply paced = PaceReply(reply, pacing_, std::max(taken_ms + pacing_.delay_ms, link_free_ms_));
  link_free_ms_ = paced.end_ms;
  for (const ReplyPiece& piece : paced.pieces) {
    pending_bytes_ += piece.bytes.size();
    pending_.push_back(piece);
  }
  writeDuePieces();
}

void UnitLink::writeDuePieces() {
  const double now = nowMs();
  while (!pending_.empty() && pending_.front().due_ms <= now) {
    const std::string& bytes = pending_.front().bytes;
    writer_(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    pending_bytes_ -= bytes.size();
    pending_.pop_front();
  }
  if (!pending_.empty()) StartFor(timer_, pending_.front().due_ms, now);
}

void UnitLink::closeByFault() {
  gone_ = true;
  intake_timer_.stop();
  timer_.stop();
  intake_.Clear();
  pending_.clear();
  pending_bytes_ = 0;
  if (log_) log_->record(name_, Traffic::Event, {}, "gone by the close fault: nothing more is taken or answered");
  emit closedByFault();
}

}  // namespace vtg::sim
