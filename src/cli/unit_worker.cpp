#include "cli/unit_worker.h"

#include <QElapsedTimer>
#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "link/text_helpers.h"

namespace vtg::cli {
namespace {

// The serial watchdog gives up on its twelfth tick.
constexpr int kWatchdogTicks = 12;
constexpr int kBroadcastWaitMs = 300;

std::int64_t SteadyMs() {
  static QElapsedTimer clock;
  if (!clock.isValid()) clock.start();
  return clock.elapsed();
}

bool WritesItsFile(Command command) { return command == Command::ReadAll || command == Command::GlyphRead; }

}  // namespace

CtlOptions ForUnit(CtlOptions options, const std::string& unit) {
  if (WritesItsFile(options.command)) options.file = UnitFileName(options.file, unit);
  return options;
}

std::vector<UnitWorker::Job> UnitWorker::JobsFor(const CtlOptions& options, const std::string& unit) {
  if (options.address_list.size() < 2) return {{options, unit, {}}};
  std::vector<Job> jobs;
  for (int address : options.address_list) {
    CtlOptions job = ForUnit(options, Dec2(address));
    job.slave_index = address;
    jobs.push_back({std::move(job), Dec2(address), {}});
  }
  return jobs;
}

UnitWorker::UnitWorker(const CtlOptions& options, std::string unit, ShiftJisDecoder decode, QObject* parent)
    : QObject(parent),
      unit_(std::move(unit)),
      jobs_(JobsFor(options, unit_)),
      decode_(std::move(decode)),
      out_(Many() ? unit_output_ : std::cout),
      messages_(std::cerr),
      progress_(std::cerr, messages_, isatty(STDERR_FILENO) == 1),
      session_(ControllerState{}, messages_, *this),
      runs_(UnitNames(), UnitRuns::Order::InTurn, [this](int index) { return BeginJob(index); }, SteadyMs) {
  runs_.on_done = [this] { Finish(worst_); };
  Link& link = session_.link();
  link.SetTiming({options.timeout_ms, std::min(kBroadcastWaitMs, options.timeout_ms)});
  link.SetReplyListener([this](std::string_view line, bool understood) {
    if (job_open_) job_->OnReply(line, understood);
    Settle();
  });
  connect(&tick_timer_, &QTimer::timeout, this, [this] {
    session_.engine().Tick();
    Settle();
  });
  watchdog_.setInterval(std::max(1, options.timeout_ms / kWatchdogTicks));
  connect(&watchdog_, &QTimer::timeout, this, [this] {
    session_.link().OnWatchdogTick();
    session_.engine().Wake();
    Settle();
  });
}

std::vector<std::string> UnitWorker::UnitNames() const {
  std::vector<std::string> names;
  for (const Job& job : jobs_) names.push_back(job.unit);
  return names;
}

void UnitWorker::AttachSocket(Transport* socket) { session_.link().AttachSocket(socket, &reply_timer_); }

void UnitWorker::ShowProgress(int, std::string_view percent) {
  if (!Many()) progress_.Show(percent);
}

int UnitWorker::Prepare() { return OpenJob(0); }

int UnitWorker::OpenJob(int index) {
  job_.reset();
  job_index_ = index;
  messages_.ClearFailure();
  if (Many()) messages_.SetUnit(jobs_[static_cast<std::size_t>(index)].unit);
  job_ = std::make_unique<UnitJob>(jobs_[static_cast<std::size_t>(index)].options, session_.state(), session_.link(), messages_,
                                   session_.engine(), out_, decode_);
  return job_->Prepare();
}

void UnitWorker::Run(int record, std::function<void(int status)> done) {
  record_ = record;
  done_ = std::move(done);
  if (jobs_.front().options.reach == Reach::Serial) watchdog_.start();
  runs_.Start();
}

std::string UnitWorker::BeginJob(int index) {
  if (index != job_index_) {
    if (const int status = OpenJob(index); status != kExitOk) {
      worst_ = std::max(worst_, status);
      return messages_.LastFailure();
    }
  }
  if (record_) session_.AddressServerUnit(record_);
  job_open_ = true;
  if (job_->Begin()) return {};
  job_open_ = false;
  worst_ = std::max(worst_, kExitUnitFailed);
  return messages_.LastFailure();
}

void UnitWorker::Settle() {
  if (!job_open_ || !job_->Settled()) return;
  job_open_ = false;
  const int status = job_->Conclude();
  worst_ = std::max(worst_, status);
  jobs_[static_cast<std::size_t>(job_index_)].output = unit_output_.str();
  unit_output_.str({});
  runs_.Ended(job_index_, status == kExitOk, messages_.LastFailure());
}

void UnitWorker::Finish(int status) {
  if (finished_) return;
  finished_ = true;
  tick_timer_.stop();
  watchdog_.stop();
  if (done_) done_(status);
}

void UnitWorker::Report(std::ostream& out) const {
  for (std::size_t i = 0; i < runs_.rows().size(); ++i) {
    const UnitRunRow& row = runs_.rows()[i];
    if (row.status == UnitRunRow::Status::Waiting) continue;
    out << ResultLine(row) << '\n';
    std::istringstream printed(jobs_[i].output);
    for (std::string line; std::getline(printed, line);) out << row.unit << '\t' << line << '\n';
  }
}

}  // namespace vtg::cli
