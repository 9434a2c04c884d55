#pragma once
// The server role's table of connected units: record 0 is reserved, units take 1..96.
#include <array>
#include <string>
#include <vector>

namespace vtg {

inline constexpr int kClientRecords = 97;

struct ClientRecord {
  int in_use = 0;
  int peer_socket = 0;       // the transport's id of the connection; 0 when free
  std::string address_text;  // dotted IPv4 text; " " after the unit left
};

class ClientTable {
 public:
  ClientTable() { Reset(); }

  void Reset();
  // The lowest free record 1..96, or 0 when the table is full.
  int FreeRecord() const;
  // Fills `record` (from FreeRecord) with a new connection.
  void Accept(int record, int peer_socket, std::string address_text);
  // The record of a connection, 0 when none.
  int FindClientRecord(int peer_socket) const;
  // Frees the record of a connection; returns it, 0 when none.
  int Release(int peer_socket);
  int InUseCount() const;

  const ClientRecord& operator[](int record) const { return records_[static_cast<size_t>(record)]; }

 private:
  std::array<ClientRecord, kClientRecords> records_;
};

struct NamedUnit {
  int record;
  std::string name;
};

// The connected units by record, as an operator tells them apart: by their address, with the
// record after a "#" where several units share one ("127.0.0.1#3").
std::vector<NamedUnit> NamedUnits(const ClientTable& table);

// The caption suffix of a dialog: the chosen unit's address in the server role.
std::string PeerAddressText(const ClientTable& table, int selected_peer);

}  // namespace vtg
