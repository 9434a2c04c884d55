#pragma once
// Several units on one line: hands each command line to the unit(s) it addresses
// and frames their replies.
#include <string>
#include <vector>

#include "sim/simulated_unit.h"

namespace vtg::sim {

// One command line as the unit reads it: without its LF and trailing CRs.
struct AssembledLine {
  std::string text;
  bool overlong = false;  // longer than a line may be; `text` holds its start
};

// Faults a test or a demo can ask for; 0 turns one off.
struct FaultPlan {
  int drop_every = 0;            // swallow every Nth reply
  int error_every = 0;           // answer every Nth addressed line with error_code, unexecuted
  std::string error_code = "E3";
  int close_after = 0;           // take the Nth line, withhold its replies and close the link
};

struct Delivery {
  std::vector<std::string> replies;  // framed: address echo, text, CR LF
  std::vector<std::string> dropped;  // replies the drop or close fault swallowed
  bool changed = false;              // some unit's state changed
  bool close_link = false;           // the close fault: the units are gone after this line
};

class UnitBus {
 public:
  // The units are not owned; they must outlive the bus. Unaddressed lines go to the first.
  explicit UnitBus(std::vector<SimulatedUnit*> units, FaultPlan faults = {});

  // Addressed lines ("00".."31") are answered by the units of that address with the
  // address echoed; "FF" lines are executed by every unit and never answered; empty lines
  // are ignored; overlong lines are answered "E3" unexecuted. The close fault counts every
  // line that is not empty.
  Delivery Deliver(const AssembledLine& line);

 private:
  Delivery Route(const AssembledLine& line);
  void Answer(std::string framed, Delivery& delivery);

  std::vector<SimulatedUnit*> units_;
  FaultPlan faults_;
  int lines_ = 0;
  int addressed_lines_ = 0;
  int replies_ = 0;
};

}  // namespace vtg::sim
