#pragma once
// The settings panel Pn_DeviceSettings with its controls, and the tool window
// TInfoFrom that hosts it.
#include <QFrame>
#include <QWidget>

#include "protocol/Discovery.h"
#include "protocol/SettingsWrite.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace halvex {

class LinkLabel;

// A unit's identity and network settings; the main window connects its handlers
// to the controls below.
class DeviceSettingsPanel : public QFrame {
  Q_OBJECT
 public:
  explicit DeviceSettingsPanel(QWidget* parent = nullptr);

  // Fills every control from the record.
  void ShowRecord(const Discovery& record);
  // What the operator sees in the edits and the IP mode list.
  PanelValues Values() const;
  // The address, mask and gateway edits; the DNS and port edits stay enabled.
  void SetStaticAddressEditsEnabled(bool enabled);

  QLabel* Lab_Prod_ID;
  QLabel* Lab_PN;
  QLabel* Lab_MAC;
  QLineEdit* Ed_IP;
  QLineEdit* Ed_Subnet;
  QLineEdit* Ed_Gateway;
  QLineEdit* Ed_DNS;
  QComboBox* CB_IPMode;
  QLineEdit* Ed_WebPort;
  QLineEdit* Ed_TelnetPort;
  QLabel* Lab_SN;
  QLabel* Lab_FW;
  QLabel* Lab_HW;
  QLabel* Lab_Descr;
  LinkLabel* Lab_webgui;
  QPushButton* Bn_Save;
  QPushButton* Bn_Reboot;
};

// Tool window, caption "InfoFrom", hidden until a unit is selected; it never
// keeps the program running once the main window has closed.
class TInfoFrom : public QWidget {
  Q_OBJECT
 public:
  TInfoFrom();

  // Makes the panel this window's content and sizes the window to it, centred on
  // the screen. A panel already hosted here stays as it is.
  void Host(DeviceSettingsPanel* panel);
};

}  // namespace halvex
