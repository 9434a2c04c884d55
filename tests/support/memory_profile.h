#pragma once
// The configuration file in memory: keeps its keys, and the order of every write.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/config_file.h"

namespace vtg::testing {

class MemoryProfile : public ProfileStore {
 public:
  MemoryProfile() = default;
  MemoryProfile(std::initializer_list<std::pair<const std::string, std::string>> keys) : keys(keys) {}

  std::optional<std::string> Read(std::string_view key) const override {
    const auto found = keys.find(std::string(key));
    if (found == keys.end()) return std::nullopt;
    return found->second;
  }
  void Write(std::string_view key, std::string_view value) override {
    writes.emplace_back(key, value);
    keys[std::string(key)] = value;
  }

  std::map<std::string, std::string> keys;
  std::vector<std::pair<std::string, std::string>> writes;
};

}  // namespace vtg::testing
