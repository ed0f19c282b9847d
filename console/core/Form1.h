#pragma once
// MOSAICORE's one window and the map of the console: every control, every piece of
// module-level state and every handler or shared operation, grouped by feature.
//
// Conventions every part of the console relies on:
// - Control arrays are ControlArray<T, First, Last>, used as power_ctl(0), cbo_image_bri(1).
//   An index that names no control (tv2_lbl(4), img_lbl(4)) yields nullptr.
// - Every control's objectName is its name, with the index in parentheses for arrays:
//   "power_ctl(0)", "cbo_image_bri(1)", "wsk_client(0)". The window itself is "Form1".
// - Frames are QGroupBox. Disabling a frame leaves its children's own enabled flags alone.
// - Lists are QComboBox. Adding entries never selects one (every list carries a blank
//   placeholder text, which stops Qt from selecting the first entry added), so a list
//   shows no selection until code or the operator picks one.
//   A list's `..._Click` runs on every change of its selection (currentIndexChanged, also
//   from code, also to -1); an editable list's `..._Change` runs only for the operator's
//   edits (QLineEdit::textEdited); `..._KeyDown` sees every key through a KeyDownFilter.
//   Editable lists use QComboBox::NoInsert and no completer.
// - Option buttons are QRadioButton, one QButtonGroup per array (none checked at start);
//   their `..._Click` runs when a button becomes checked, also from code.
// - Button background colours: set_button_colour / button_colour below. The colour is kept
//   in the dynamic property "mosaic_background" (a QColor; absent = system colour) and
//   shown through the button's style sheet. Tests read it back with button_colour().
// - Message boxes go through prompter(). Once the window is closing (window_closing), the
//   prompter shows nothing and answers Ok, or No to a question.
#include <QColor>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ControlArray.h"
#include "core/Prompter.h"

class QButtonGroup;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class ControlLink;

class Form1 : public QWidget {
  Q_OBJECT

 public:
  // nullptr means the default MessageBoxPrompter.
  explicit Form1(Prompter* prompter = nullptr, QWidget* parent = nullptr);
  ~Form1() override;

  // ---- message boxes ----
  // The active prompter; a silent one once window_closing is set.
  Prompter& prompter();
  // Swaps the prompter (not owned); nullptr returns to the default message boxes.
  void set_prompter(Prompter* prompter);

  // ---- button colours ----
  // nullopt = the system button colour.
  void set_button_colour(QPushButton* button, std::optional<QColor> colour);
  std::optional<QColor> button_colour(QPushButton* button) const;

  // ======================================================================
  // Controls
  // ======================================================================

  // ---- frame "System Settings" ----
  QGroupBox* sys_setting = nullptr;
  ControlArray<QPushButton, 0, 2> power_ctl;  // "Power", "Power ON" (green), "Power OFF" (red), one spot
  ControlArray<QCheckBox, 0, 2> Check1;       // (0) power "ALL IP", (1) factory reset "ALL IP", (2) bezel "ALL IP" on frame_control(1)
  QPushButton* btn_sys_fac_rst = nullptr;     // "Factory Reset"
  QPushButton* btn_sys_refresh = nullptr;     // "Refresh"
  QProgressBar* ProgressBar1 = nullptr;       // 0..100, covers "Refresh" while shown
  QPushButton* btn_sys_search = nullptr;      // "Search MAC"

  // ---- frame "Connect Interface" ----
  QGroupBox* con_interface = nullptr;
  QPushButton* btn_con = nullptr;      // "Connect"
  QPushButton* btn_discon = nullptr;   // "Disconnect"
  ControlArray<QLabel, 0, 2> lbl_con;  // (0) "MAC :", (1) "ID No.", (2) "Connecting..." red on yellow
  QComboBox* cbo_ipaddr = nullptr;     // the device list: MAC texts, drop-down list
  QComboBox* cbo_model = nullptr;      // "ID No.": signed numbers " 0".." n-1", drop-down list

  // ---- frame "Network Configuration" ----
  QGroupBox* net_config = nullptr;
  QPushButton* btn_ip_get = nullptr;     // "Get IP"
  QPushButton* btn_ip_set = nullptr;     // "Set IP"
  QPushButton* btn_ip_relink = nullptr;  // "Re-Link"
  QProgressBar* ProgressBar2 = nullptr;  // 0..100, on the spot of "Re-Link"
  QLabel* Label3 = nullptr;              // "Address Type"
  QLabel* Label4 = nullptr;              // "IP Address"
  QLabel* Label5 = nullptr;              // "Net Mask"
  QLabel* Label6 = nullptr;              // "Default Gateway"
  QComboBox* cbo_ip_type = nullptr;      // "STATIC", "DHCP", drop-down list
  QLineEdit* txt_ip = nullptr;
  QLineEdit* txt_net = nullptr;
  QLineEdit* txt_gate = nullptr;

  // ---- page buttons (checkable, auto-exclusive, coloured) and pages ----
  QPushButton* opt_tv1 = nullptr;    // "TV Wall (1)"  -> frame_control(0)
  QPushButton* opt_tv2 = nullptr;    // "TV Wall (2)"  -> frame_control(1)
  QPushButton* opt_tv3 = nullptr;    // "TV Wall (3)"  -> frame_control(4)
  QPushButton* opt_io = nullptr;     // "I/O Setup"    -> frame_control(2)
  QPushButton* opt_image = nullptr;  // "Image Adjust" -> frame_control(3)
  ControlArray<QGroupBox, 0, 4> frame_control;

  // ---- page "TV Wall (1)": wall presets ----
  ControlArray<QPushButton, 0, 23> btn_tv_fs;  // "1x1" .. "6x3", index = preset number

  // ---- page "TV Wall (2)": manual wall size, wall reset ----
  ControlArray<QLabel, 0, 7> tv2_lbl;  // (7) "Manual setup"; (0)..(3) bezel labels below; 4..6 do not exist
  ControlArray<QLabel, 0, 1> tv_lbl;   // (0) "Row", (1) "Column"
  QComboBox* cbo_tv_col = nullptr;     // under "Row": " 1".." 15", editable, text "1~15"
  QComboBox* cbo_tv_row = nullptr;     // under "Column": same entries
  QPushButton* btn_tvwall_send = nullptr;   // "Send"
  QPushButton* btn_tvwall_reset = nullptr;  // "TV Wall Reset"
  ControlArray<QCheckBox, 0, 3> chk_tv_allip;  // "ALL IP", never usable: disabled by design
  QPushButton* btn_tvwall_refresh = nullptr;   // "Refresh", hidden and disabled by design
  QPushButton* btn_V_Bezel_send = nullptr;     // "Send", hidden and disabled by design

  // ---- page "TV Wall (2)": bezel correction ----
  // tv2_lbl(1) "Bezel Correction" (values row), tv2_lbl(2) "Horizon", tv2_lbl(3) "Vertical",
  // tv2_lbl(0) "Bezel Correction" (switch row); Check1(2) "ALL IP".
  ControlArray<QComboBox, 1, 1> cbo_val_H;  // " 0".." 255", drop-down list
  ControlArray<QComboBox, 1, 1> cbo_val_V;  // " 0".." 255", drop-down list
  QPushButton* btn_H_Bezel_send = nullptr;  // "Send"
  ControlArray<QRadioButton, 0, 1> opt_bezel;  // (1) "ON", (0) "OFF"

  // ---- page "TV Wall (3)": favourites ----
  ControlArray<QLabel, 0, 1> Label1;          // (0) "Save TV Wall Settings", (1) "Recall TV Wall Settings"
  ControlArray<QPushButton, 1, 5> btn_save;   // "FAV 1" .. "FAV 5"
  ControlArray<QPushButton, 1, 5> btn_recall; // "FAV 1" .. "FAV 5"

  // ---- page "I/O Setup": resolution and OSD ----
  ControlArray<QLabel, 0, 6> io_lbl;  // captions; (6) "Mute"
  QComboBox* cbo_reso = nullptr;       // the 29 resolution names, drop-down list
  QComboBox* cbo_info_play = nullptr;  // "OFF", "ON", drop-down list
  ControlArray<QComboBox, 0, 1> cbo_osd;  // H / V offset "0".."20", editable, text "0~20"
  QComboBox* cbo_osd_time = nullptr;   // "5".."50", drop-down list
  QComboBox* cbo_osd_gain = nullptr;   // "0".."10", editable, text "0~10"
  ControlArray<QCheckBox, 0, 6> chk_io;  // "ALL IP" of each row; (6) mute

  // ---- page "I/O Setup": mute and I/O buttons ----
  ControlArray<QRadioButton, 0, 1> opt_mute;  // (1) "ON", (0) "OFF"
  ControlArray<QPushButton, 0, 2> btn_io_rst; // (0) "Refresh", (1) "Reset", (2) "OSD Info"

  // ---- page "Image Adjust" ----
  ControlArray<QLabel, 0, 8> img_lbl;  // (0..3) row captions, (5..8) "OUT A".."OUT D"; 4 does not exist
  ControlArray<QComboBox, 1, 4> cbo_image_bri;  // "0".."100", editable, text "0~100"
  ControlArray<QComboBox, 1, 4> cbo_image_con;
  ControlArray<QComboBox, 1, 4> cbo_image_sat;
  ControlArray<QComboBox, 1, 4> cbo_image_hue;
  ControlArray<QCheckBox, 0, 3> Chk_img;        // "ALL IP" of each row
  ControlArray<QPushButton, 0, 5> btn_img_rst;  // (0..3) "Reset", (4) "Picture Reset", (5) "Refresh"

  // ---- controls that are never seen ----
  ControlArray<ControlLink, 0, 9> wsk_client;  // created by init_links
  ControlLink* Winsock1 = nullptr;             // created by init_links; learns the local address
  QTimer* Timer1 = nullptr;                    // connect time-out, single-shot, precise
  QTimer* Timer2 = nullptr;                    // re-link delay, single-shot, precise
  QLineEdit* TextInfo = nullptr;               // last reply chunk, below the client area

  // ======================================================================
  // Module-level state
  // ======================================================================

  // ---- links ----
  uint8_t links_down = 0;
  bool first_drop = false;
  bool is_connected = false;
  bool is_connecting = false;
  bool connect_timeout = false;
  bool relink_delay_done = false;
  std::array<uint8_t, 3> local_net{};
  QString local_ip;
  uint8_t unit_count = 0;
  std::vector<QString> unit_ip;

  // ---- step variables and flags ----
  uint8_t sys_read_step = 0;
  uint8_t osd_info_flag = 0;
  uint8_t io_read_step = 0;
  uint8_t osd_reset_flag = 0;
  uint8_t img_read_step = 0;
  uint8_t img_rst_flag = 0;
  uint8_t pic_rst_flag = 0;
  uint8_t preset_flag = 0;
  uint8_t wall_size_flag = 0;
  uint8_t wall_reset_flag = 0;
  uint8_t recall_flag = 0;
  uint8_t bezel_send_step = 0;
  uint8_t bezel_read_step = 0;
  uint8_t tv_row_value = 0;
  uint8_t tv_col_value = 0;
  uint8_t net_read_step = 0;
  uint8_t net_set_step = 0;
  uint8_t net_dhcp_step = 0;
  uint8_t ip_mode_choice = 0;
  uint8_t factory_reset_flag = 0;

  // ---- name tables ----
  std::array<QString, 29> resolution_names;
  std::array<QString, 4> output_names;
  std::array<QString, 2> ip_type_names;
  std::array<QString, 2> off_on_names;

  // ---- window ----
  // Set by closeEvent: ends every wait at its next pass and silences message boxes.
  bool window_closing = false;

  // ======================================================================
  // Handlers and shared operations
  // ======================================================================

  // ---- window and start-up ----
  void Form_Load();
  void show_page(int page);
  void opt_tv1_Click();
  void opt_tv2_Click();
  void opt_tv3_Click();
  void opt_io_Click();
  void opt_image_Click();
  void fill_id_list();
  void lock_panels();
  void unlock_panels();
  void cbo_model_Click();

  // ---- control links ----
  void init_links();
  bool link_open(int k);
  void send_line(int k, const QString& text);
  void send_selected(const QString& text);
  void send_all(const QString& text);
  void wait_step(const uint8_t& step_var, uint8_t target);
  void report_link_loss();
  void drop_links();
  void read_local_net();
  void btn_con_Click();
  void btn_discon_Click();
  void cbo_ipaddr_Click();
  void Timer1_Timer();
  void Timer2_Timer();

  // ---- reply intake and parsers (chunk: received bytes as single-byte characters) ----
  void wsk_client_DataArrival(int index);
  void parse_system_reply(const std::string& chunk);
  void parse_output_reply(const std::string& chunk);
  void parse_net_readback(const std::string& chunk);
  void parse_net_ack(const std::string& chunk);
  void parse_wall_ack(const std::string& chunk);
  void parse_image_reply(const std::string& chunk);
  void parse_picture_reset_ack(const std::string& chunk);
  void parse_osd_reset_ack(const std::string& chunk);
  void parse_wall_reset_ack(const std::string& chunk);
  void parse_bezel_readback(const std::string& chunk);
  void parse_bezel_ack(const std::string& chunk);

  // ---- status read-back ----
  void btn_sys_refresh_Click();
  void status_refresh();
  void system_refresh();
  void wall_refresh();

  // ---- wall presets ----
  void btn_tv_fs_Click(int Index);

  // ---- manual wall size and wall reset ----
  void cbo_tv_row_Click();
  void cbo_tv_col_Click();
  void cbo_tv_row_Change();
  void cbo_tv_col_Change();
  void btn_tvwall_send_Click();
  void btn_tvwall_reset_Click();

  // ---- bezel correction ----
  void opt_bezel_Click(int Index);
  void btn_H_Bezel_send_Click();
  void btn_tvwall_refresh_Click();

  // ---- favourites ----
  void btn_save_Click(int Index);
  void btn_recall_Click(int Index);

  // ---- per-output image adjustment, picture reset and image read-back ----
  void cbo_image_bri_Click(int Index);
  void cbo_image_con_Click(int Index);
  void cbo_image_sat_Click(int Index);
  void cbo_image_hue_Click(int Index);
  void cbo_image_bri_KeyDown(int Index, int KeyCode, int Shift);
  void cbo_image_con_KeyDown(int Index, int KeyCode, int Shift);
  void cbo_image_sat_KeyDown(int Index, int KeyCode, int Shift);
  void cbo_image_hue_KeyDown(int Index, int KeyCode, int Shift);
  void btn_img_rst_Click(int Index);
  void img_refresh();

  // ---- output resolution and OSD ----
  void cbo_reso_Click();
  void cbo_info_play_Click();
  void cbo_osd_Click(int Index);
  void cbo_osd_time_Click();
  void cbo_osd_gain_Click();
  void cbo_osd_KeyDown(int Index, int KeyCode, int Shift);
  void cbo_osd_gain_KeyDown(int KeyCode, int Shift);

  // ---- mute and I/O refresh ----
  void opt_mute_Click(int Index);
  void btn_io_rst_Click(int Index);
  void io_refresh();

  // ---- network settings over the link ----
  void btn_ip_get_Click();
  void cbo_ip_type_Click();
  void btn_ip_set_Click();
  void btn_ip_relink_Click();

  // ---- device search ----
  void btn_sys_search_Click();

  // ---- power and factory reset ----
  void power_ctl_Click(int Index);
  void btn_sys_fac_rst_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Layout, one part per area of the window.
  void build_layout();
  void build_top_frames();
  void build_sys_setting();
  void build_con_interface();
  void build_net_config();
  void build_page_buttons();
  void build_pages();
  void build_wall_presets_page();
  void build_wall_size_page();
  void build_favourites_page();
  void build_io_page();
  void build_image_page();
  void build_hidden_controls();
  void apply_fonts();
  void wire_window_events();

  // Option-button groups (exclusive, none checked at start).
  QButtonGroup* bezel_group_ = nullptr;
  QButtonGroup* mute_group_ = nullptr;

  std::unique_ptr<Prompter> default_prompter_;
  std::unique_ptr<Prompter> silent_prompter_;
  Prompter* prompter_ = nullptr;

  // --- links helper ---
 public:
  // A wait for a unit's reply that lasts this long (ms) counts as a lost link.
  int reply_timeout_ms = 10000;
  // The folder of the discovery program and its hand-off files; the console's own
  // folder unless a test points it elsewhere.
  QString program_folder;

 private:
  enum class WaitEnd { Done, LinksDown, Closing, TimedOut };
  // The one wait of the console: lets events run (blocking until the next one) until
  // done() holds, the window closes, the links are dropped (if stop_on_links_down) or
  // timeout_ms passes (-1: no limit).
  WaitEnd wait_until(const std::function<bool()>& done, int timeout_ms, bool stop_on_links_down);
  // A wait for a unit's reply: after reply_timeout_ms without it the link counts as
  // lost (link-loss report). True when the reply came.
  bool wait_reply(const std::function<bool()>& arrived);
  // Device-list entries that have a link: the first ten.
  int link_count() const;
  // Starts connecting link k to the address of entry k, with a fresh reply stream.
  void open_link(int k);
  void enter_connected_state();
  // Sends "SOSDI" to the selected unit and waits for "OSDI".
  void osd_info_exchange();
  // Runs the eleven parsers on one reply line, in their order.
  void run_parsers(const std::string& line);
  // Search helpers: the discovery program run to its end; a hand-off file's lines.
  bool run_discovery_program();
  std::optional<std::vector<std::string>> read_handoff_file(const char* name);

  class LinkIntake;                // reply streams of the ten links
  LinkIntake* intake_ = nullptr;   // a child object, freed with the window
  std::vector<std::array<uint8_t, 3>> own_nets_;  // every own IPv4 network, for the search
};
// FORM1_HEADER_READY
