#include "link/client_table.h"

#include <map>

namespace vtg {

void ClientTable::Reset() {
  records_.fill(ClientRecord{});
  records_[0].in_use = 1;
}

int ClientTable::FreeRecord() const {
  for (int i = 1; i < kClientRecords; ++i)
    if (!records_[static_cast<size_t>(i)].in_use) return i;
  return 0;
}

void ClientTable::Accept(int record, int peer_socket, std::string address_text) {
  if (record < 1 || record >= kClientRecords) return;
  records_[static_cast<size_t>(record)] = ClientRecord{1, peer_socket, std::move(address_text)};
}

int ClientTable::FindClientRecord(int peer_socket) const {
  for (int i = 0; i < kClientRecords; ++i)
    if (records_[static_cast<size_t>(i)].peer_socket == peer_socket) return i;
  return 0;
}

int ClientTable::Release(int peer_socket) {
  if (peer_socket == 0) return 0;
  const int record = FindClientRecord(peer_socket);
  if (record == 0) return 0;
  records_[static_cast<size_t>(record)] = ClientRecord{0, 0, " "};
  return record;
}

int ClientTable::InUseCount() const {
  int n = 0;
  for (int i = 1; i < kClientRecords; ++i) n += records_[static_cast<size_t>(i)].in_use;
  return n;
}

std::vector<NamedUnit> NamedUnits(const ClientTable& table) {
  std::map<std::string, int> sharing;
  for (int record = 1; record < kClientRecords; ++record)
    if (table[record].in_use) ++sharing[table[record].address_text];
  std::vector<NamedUnit> units;
  for (int record = 1; record < kClientRecords; ++record) {
    if (!table[record].in_use) continue;
    const std::string& address = table[record].address_text;
    units.push_back({record, sharing[address] > 1 ? address + '#' + std::to_string(record) : address});
  }
  return units;
}

std::string PeerAddressText(const ClientTable& table, int selected_peer) {
  if (selected_peer < 0 || selected_peer >= kClientRecords) return {};
  return table[selected_peer].address_text;
}

}  // namespace vtg
