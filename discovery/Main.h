#pragma once
// HALVEX's main window TMainForm: the search, the reply intake, the device grid,
// the settings handlers and the hand-off files; and the program-wide device table.
#include <QByteArray>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

#include "protocol/Discovery.h"
#include "protocol/Frame.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace halvex {

class DeviceSettingsPanel;
class DiscoverySockets;
class ErrorReporter;
class TInfoFrom;

// The discovered units, entries 0 to DeviceCount - 1 valid; entries above keep
// what an earlier search left in them.
extern std::array<Discovery, kDeviceTableSize> DeviceTable;
extern int32_t DeviceCount;
// Grid row (row 1 shows DeviceTable[0]) of the unit in the settings panel; 0 for none.
extern int32_t SelectedRow;

class TMainForm : public QWidget {
  Q_OBJECT
 public:
  // Sets up the window, configures the sockets and starts listening.
  // handOffFolder: where MAC.txt and IP.txt go; empty for the executable's folder.
  // reporter: shows error texts to the operator; null for the modal error box.
  explicit TMainForm(const QString& handOffFolder = QString(), ErrorReporter* reporter = nullptr);
  ~TMainForm() override;

  // The tool window that is to host the settings panel.
  void SetInfoForm(TInfoFrom* infoForm);

  // Runs the search and starts Timer1.
  void FormCreate();
  // Moves the settings panel into the tool window.
  void FormActivate();
  void Bn_FindClick();
  // One received datagram; an accepted reply becomes the next table entry and grid row.
  void IdUDPServer1UDPRead(const QByteArray& datagram);
  bool IsNewMAC(const MacBytes& mac) const;
  void AddDeviceRow(const Discovery& record, int index);
  void StringGrid1SelectCell(int column, int row);
  void ShowDevice(const Discovery& record);
  void CB_IPModeChange();
  void Bn_SaveClick();
  void Bn_RebootClick();
  void Lab_webguiClick();
  // Writes the hand-off files and closes the window.
  void Timer1Timer();

  QLabel* Image1;
  QPushButton* Bn_Find;
  QTableWidget* StringGrid1;
  QListWidget* Memo1;  // lines of MAC.txt
  QListWidget* Memo2;  // lines of IP.txt
  QTimer* Timer1;
  DeviceSettingsPanel* Pn_DeviceSettings;

 protected:
  bool event(QEvent* event) override;

 private:
  Discovery* SelectedDevice() const;
  // Sends to the units' group; a failure is shown to the operator.
  bool SendToUnits(const Bytes& datagram);
  void WriteHandOffFiles();

  QString handOffFolder_;
  std::unique_ptr<ErrorReporter> ownReporter_;
  ErrorReporter* reporter_;
  DiscoverySockets* sockets_;
  TInfoFrom* infoForm_ = nullptr;
};

}  // namespace halvex
