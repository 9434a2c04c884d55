#include "link/unit_runs.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace vtg {

UnitRuns::UnitRuns(std::vector<std::string> units, Order order, Begin begin, Clock clock)
    : order_(order), begin_(std::move(begin)), clock_(std::move(clock)) {
  for (std::string& unit : units) {
    rows_.emplace_back();
    rows_.back().unit = std::move(unit);
  }
}

void UnitRuns::Start() {
  if (order_ == Order::InTurn)
    StartNextInTurn();
  else
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) BeginUnit(i);
  TellIfDone();
}

void UnitRuns::StartNextInTurn() {
  const auto next = std::find_if(rows_.begin(), rows_.end(),
                                 [](const UnitRunRow& row) { return row.status == UnitRunRow::Status::Waiting; });
  if (next != rows_.end()) BeginUnit(static_cast<int>(next - rows_.begin()));
}

void UnitRuns::BeginUnit(int index) {
  UnitRunRow& row = rows_[static_cast<std::size_t>(index)];
  row.status = UnitRunRow::Status::Running;
  row.started_ms = clock_();
  if (on_change) on_change(index);
  // A run that could not start ends here; in turn, the next one starts from Ended.
  if (std::string why = begin_(index); !why.empty()) Ended(index, false, std::move(why));
}

void UnitRuns::Progress(int index, int percent) {
  UnitRunRow& row = rows_[static_cast<std::size_t>(index)];
  if (row.status != UnitRunRow::Status::Running || row.percent == percent) return;
  row.percent = percent;
  if (on_change) on_change(index);
}

void UnitRuns::Ended(int index, bool succeeded, std::string error) {
  UnitRunRow& row = rows_[static_cast<std::size_t>(index)];
  if (row.status != UnitRunRow::Status::Running) return;
  row.status = succeeded ? UnitRunRow::Status::Succeeded : UnitRunRow::Status::Failed;
  if (succeeded) row.percent = 100;
  row.ended_ms = clock_();
  row.error = succeeded ? std::string() : std::move(error);
  if (on_change) on_change(index);
  if (order_ == Order::InTurn) StartNextInTurn();
  TellIfDone();
}

void UnitRuns::TellIfDone() {
  if (!Done() || done_told_) return;
  done_told_ = true;
  if (on_done) on_done();
}

bool UnitRuns::Done() const {
  return std::all_of(rows_.begin(), rows_.end(), [](const UnitRunRow& row) { return row.Over(); });
}

int UnitRuns::FailedCount() const {
  return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](const UnitRunRow& row) {
    return row.status == UnitRunRow::Status::Failed;
  }));
}

int UnitRuns::PercentsDone() const {
  int done = 0;
  for (const UnitRunRow& row : rows_)
    done += row.status == UnitRunRow::Status::Failed ? 100 : row.percent;  // succeeded rows hold 100
  return done;
}

std::string ResultLine(const UnitRunRow& row) {
  const bool ok = row.status == UnitRunRow::Status::Succeeded;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.2f s", static_cast<double>(row.ended_ms - row.started_ms) / 1000.0);
  std::string line = row.unit + '\t' + (ok ? "ok" : "failed") + '\t' + seconds;
  if (ok) return line;
  // One line a unit: the error's own line breaks and tabs become spaces.
  std::string error = row.error;
  std::replace_if(error.begin(), error.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
  return line + '\t' + error;
}

std::string UnitFileName(const std::string& path, const std::string& unit) {
  const std::filesystem::path file(path);
  std::filesystem::path named = file.parent_path() / (file.stem().string() + '-' + unit);
  return named.string() + file.extension().string();
}

}  // namespace vtg
