// The control links: creating them, the link check, sending, the link-loss routine and
// the console's own address.
#include <algorithm>

#include <QAbstractSocket>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHostAddress>
#include <QLabel>
#include <QNetworkInterface>
#include <QPushButton>
#include <QTimer>

#include "core/ControlLink.h"
#include "core/Form1.h"
#include "core/LinkIntake.h"
#include "core/protocol/DecimalText.h"

namespace {

const QColor kRed(255, 0, 0);

}  // namespace

void Form1::init_links() {
  for (int k = ControlArray<ControlLink, 0, 9>::first; k <= ControlArray<ControlLink, 0, 9>::last; ++k) {
    auto* link = new ControlLink(this);
    link->setObjectName(QStringLiteral("wsk_client(%1)").arg(k));
    wsk_client.set(k, link);
    // Queued: the parsers may reach a handler that waits in a nested event loop, and a
    // socket does not signal readyRead again while one of its readyRead slots runs.
    connect(link, &QIODevice::readyRead, this, [this, k] { wsk_client_DataArrival(k); }, Qt::QueuedConnection);
  }
  Winsock1 = new ControlLink(this);
  Winsock1->setObjectName(QStringLiteral("Winsock1"));
  program_folder = QCoreApplication::applicationDirPath();
  intake_ = new LinkIntake(this);

  connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
  connect(Timer2, &QTimer::timeout, this, &Form1::Timer2_Timer);
  connect(btn_con, &QPushButton::clicked, this, &Form1::btn_con_Click);
  connect(btn_discon, &QPushButton::clicked, this, &Form1::btn_discon_Click);
  connect(cbo_ipaddr, &QComboBox::currentIndexChanged, this, &Form1::cbo_ipaddr_Click);
  connect(btn_sys_search, &QPushButton::clicked, this, &Form1::btn_sys_search_Click);
}

int Form1::link_count() const { return std::min(cbo_ipaddr->count(), wsk_client.size()); }

void Form1::open_link(int k) {
  ControlLink* link = wsk_client(k);
  if (link == nullptr) return;
  intake_->streams[static_cast<std::size_t>(k)] = {};
  link->open_to(static_cast<std::size_t>(k) < unit_ip.size() ? unit_ip[static_cast<std::size_t>(k)] : QString());
}

bool Form1::link_open(int k) {
  ControlLink* link = wsk_client(k);
  return link != nullptr && link->link_state() == ControlLink::kConnectedState;
}

void Form1::send_line(int k, const QString& text) {
  if (ControlLink* link = wsk_client(k)) link->send_text(text);
}

void Form1::send_selected(const QString& text) { send_line(cbo_ipaddr->currentIndex(), text); }

void Form1::send_all(const QString& text) {
  for (int k = 0; k < link_count(); ++k) send_line(k, text);
}

void Form1::report_link_loss() {
  prompter().show(BoxIcon::Critical, QStringLiteral("Ethernet is disconnected !"));
  drop_links();
}

void Form1::drop_links() {
  if (first_drop) {
    first_drop = false;  // the call at the end of start-up: no link is open yet
  } else {
    for (int k = 0; k < link_count(); ++k) wsk_client(k)->close();
  }
  is_connecting = false;
  set_button_colour(btn_discon, kRed);
  set_button_colour(btn_con, std::nullopt);
  lbl_con(2)->hide();
  net_config->setEnabled(false);
  for (int k = 0; k <= 4; ++k) frame_control(k)->setEnabled(false);
  power_ctl(0)->show();
  power_ctl(1)->hide();
  power_ctl(2)->hide();
  setWindowTitle(QStringLiteral("v1.15"));
  for (QWidget* control : std::initializer_list<QWidget*>{power_ctl(0), btn_sys_fac_rst, btn_sys_refresh,
                                                         Check1(0), Check1(1)})
    control->setEnabled(false);
  is_connected = false;
  cbo_model->setEnabled(false);
  links_down = 1;
}

void Form1::read_local_net() {
  // Every IPv4 address of an interface that is up, loopback aside; the first one is
  // the console's address, all of them count as its networks.
  QStringList addresses;
  for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
    const auto flags = iface.flags();
    if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack)) continue;
    for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
      const QHostAddress ip = entry.ip();
      if (ip.protocol() == QAbstractSocket::IPv4Protocol && !ip.isLoopback()) addresses << ip.toString();
    }
  }

  auto prefix_of = [](const QString& dotted) {
    const QStringList parts = dotted.split(QLatin1Char('.'));
    std::array<uint8_t, 3> net{};
    for (int i = 0; i < 3 && i < parts.size() - 1; ++i)
      net[static_cast<std::size_t>(i)] = static_cast<uint8_t>(mosaic::field_number(parts[i].toStdString()));
    return net;
  };
  local_ip = addresses.isEmpty() ? QString() : addresses.first();
  local_net = prefix_of(local_ip);
  own_nets_.clear();
  for (const QString& address : addresses) own_nets_.push_back(prefix_of(address));
}
