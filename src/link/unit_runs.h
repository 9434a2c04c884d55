#pragma once
// One command run against several units: the units on connections of their own go at once,
// the addresses on one serial line one after another (they share the line). What each unit
// came to, and when, for the many-unit table and the command line's result lines. One unit's
// failure never stops the others. Times are milliseconds of a steady clock the caller reads.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vtg {

struct UnitRunRow {
  enum class Status { Waiting, Running, Succeeded, Failed };
  std::string unit;  // as the operator knows it: "192.168.1.20", or a slave address "03"
  Status status = Status::Waiting;
  int percent = 0;
  std::int64_t started_ms = 0;
  std::int64_t ended_ms = 0;
  std::string error;  // why it failed
  bool Over() const { return status == Status::Succeeded || status == Status::Failed; }
};

class UnitRuns {
 public:
  enum class Order { Parallel, InTurn };
  // Starts unit `index`'s run; returns why it could not start, empty when it started.
  using Begin = std::function<std::string(int index)>;
  using Clock = std::function<std::int64_t()>;

  UnitRuns(std::vector<std::string> units, Order order, Begin begin, Clock clock);

  // Every unit at once, or the first of those in turn.
  void Start();
  void Progress(int index, int percent);
  // Unit `index`'s run is over; in turn, the next unit starts.
  void Ended(int index, bool succeeded, std::string error = {});

  const std::vector<UnitRunRow>& rows() const { return rows_; }
  bool Done() const;
  int FailedCount() const;
  // The percentages of all units summed, a unit that ended counting 100: of 100 × units.
  int PercentsDone() const;

  // Told of a row that changed, and once when every unit is done.
  std::function<void(int index)> on_change;
  std::function<void()> on_done;

 private:
  void BeginUnit(int index);
  void StartNextInTurn();
  void TellIfDone();

  std::vector<UnitRunRow> rows_;
  Order order_;
  Begin begin_;
  Clock clock_;
  bool done_told_ = false;
};

// "192.168.1.20\tok\t2.41 s" or "03\tfailed\t1.20 s\tAnswer が､きません".
std::string ResultLine(const UnitRunRow& row);

// `path` with the unit's name before its extension: OUT.dat and 192.168.1.20 give
// OUT-192.168.1.20.dat, OUT and 03 give OUT-03.
std::string UnitFileName(const std::string& path, const std::string& unit);

}  // namespace vtg
