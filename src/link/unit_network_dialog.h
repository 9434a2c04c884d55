#pragma once
// "プロトコル": shows and sets the unit's own network settings over the serial port and reads
// them back.
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>

#include "link/unit_network.h"
#include "ui/ip_address_edit.h"
#include "ui/sequence_runner.h"
#include "ui/settings_dialog.h"

namespace vtg {

class UnitNetworkDialog : public ui::SettingsDialog {
  Q_OBJECT
 public:
  UnitNetworkDialog(ui::AppContext& app, QWidget* parent);

 private:
  // The controls show what the settings image holds.
  void Refresh();
  QWidget* AddressRow(UnitAddress which, int edit_id, int button_id);
  QComboBox* Choice(int id, const QStringList& entries, int SettingsImage::*setting);
  IpBytes& AddressSetting(UnitAddress which) const;
  void SendPort();
  void Send(const std::string& command);

  ui::IpAddressEdit* addresses_[3] = {};
  QLineEdit* mac_;
  QComboBox* subnet_;
  QLineEdit* port_;
  QLineEdit* version_;
  QComboBox* keep_alive_;
  QComboBox* time_register_;
  QProgressBar* progress_;
  ui::SequenceRunner* runner_;
};

}  // namespace vtg
