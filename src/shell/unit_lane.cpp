#include "shell/unit_lane.h"

#include <charconv>

#include "link/serial_transport.h"
#include "link/tcp_transport.h"
#include "link/watchdog.h"
#include "ui/pace_choice.h"

namespace vtg::shell {

UnitLane::UnitLane(ui::AppContext& app, int record, int slave_index, QObject* parent)
    : QObject(parent),
      app_(app),
      record_(record),
      session_(app.state, messages_, *this),
      context_{session_.state(), messages_, session_.link(), app.profile, app.serial_ports} {
  session_.state().selection.slave_index = slave_index;
  session_.state().flags.address_prefix = 1;
  if (record) session_.AddressServerUnit(record);
  session_.link().SetTrafficLog(app.traffic_log);
  connect(&tick_, &QTimer::timeout, this, [this] { session_.engine().Tick(); });
  watchdog_.setInterval(kWatchdogPeriodMs);
  connect(&watchdog_, &QTimer::timeout, this, [this] {
    session_.link().OnWatchdogTick();
    session_.engine().Wake();
  });
  session_.engine().OnEnd([this](SequenceEngine::End how) {
    LeaveLine();
    if (on_end) on_end(how == SequenceEngine::End::Completed);
  });
}

UnitLane::~UnitLane() {
  session_.engine().OnEnd({});
  Abort();
  LeaveLine();
}

std::string UnitLane::Begin(SequenceRun run) {
  Link& link = session_.link();
  if (record_) {
    if (app_.tcp) route_ = app_.tcp->RouteUnit(record_, link);
    if (!route_) return std::string(text::kNotConnected);
    link.AttachSocket(route_.get(), &reply_timer_);
  } else if (app_.serial) {
    link.AttachSerial(app_.serial);
    app_.serial->RouteTo(&link);
    on_line_ = true;
    watchdog_.start();
  }
  session_.engine().SetPace(ui::ChosenPace(app_));
  if (session_.engine().Begin(std::move(run)) == SequenceEngine::Start::Started) return {};
  LeaveLine();
  return Failure().empty() ? std::string(text::kNotConnected) : Failure();
}

void UnitLane::ShowProgress(int, std::string_view percent) {
  const auto first = percent.find_first_not_of(' ');
  if (first == std::string_view::npos) return;
  int value = 0;
  std::from_chars(percent.data() + first, percent.data() + percent.size(), value);
  if (on_progress) on_progress(value);
}

void UnitLane::LeaveLine() {
  watchdog_.stop();
  if (!on_line_) return;
  on_line_ = false;
  app_.serial->RouteTo(nullptr);
}

}  // namespace vtg::shell
