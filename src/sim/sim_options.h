#pragma once
// The command line of vtg7300-sim.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/reply_pacing.h"
#include "sim/unit_bus.h"

namespace vtg::sim {

enum class LinkMode { kListen, kConnect, kPty, kSerial };

struct SimOptions {
  std::vector<int> addresses{0};
  std::string state_file;
  std::string log_file;
  LinkMode mode = LinkMode::kListen;
  std::string host;  // listen: the address to listen on; connect: the controller's host
  int port = 0;
  std::string path;  // pty: the link to create; serial: the device
  ReplyPacing pacing;
  FaultPlan faults;
  bool auto_switching = false;
};

struct ParsedOptions {
  std::optional<SimOptions> options;  // set when the command line is good
  std::string error;                  // what is wrong with the command line
};

ParsedOptions ParseSimOptions(std::span<const std::string_view> args);

// What --help prints; every option it names is in the manual page too.
std::string_view SimUsage();

}  // namespace vtg::sim
