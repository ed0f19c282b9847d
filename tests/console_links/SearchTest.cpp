// "Search MAC": the discovery program run from the console's folder (a stand-in script
// with prepared hand-off files, or the real HALVEX against wallsim), the device list
// it leaves, and what happens when the program or its files are missing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "ConsoleFixture.h"
#include "EventPump.h"
#include "Wallsim.h"

namespace {

const QString kProgram = QStringLiteral("HALVEX_MOSAICORE");

void write_file(const QString& path, const QByteArray& content, QFile::Permissions permissions = {}) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(content);
  file.close();
  if (permissions) file.setPermissions(permissions);
}

QByteArray crlf_lines(const QStringList& lines) {
  QByteArray text;
  for (const QString& line : lines) text += line.toLatin1() + "\r\n";
  return text;
}

QStringList list_entries(QComboBox* list) {
  QStringList entries;
  for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
  return entries;
}

constexpr QFile::Permissions kExecutable =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup;

class Search : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    window->program_folder = folder.path();
  }
  // A discovery program that runs `body` and ends; the hand-off files are prepared.
  void stand_in(const QString& body = QStringLiteral("exit 0")) {
    write_file(folder.filePath(kProgram), "#!/bin/sh\n" + body.toLatin1() + "\n", kExecutable);
  }
  void handoff(const QStringList& macs, const QStringList& ips) {
    write_file(folder.filePath("MAC.txt"), crlf_lines(macs));
    write_file(folder.filePath("IP.txt"), crlf_lines(ips));
  }
  void search() { window->btn_sys_search->click(); }

  QTemporaryDir folder;
};

struct ListCase {
  const char* name;
  QStringList macs;
  QStringList ips;
  QStringList expected_macs;
  QStringList expected_ips;  // unit_ip of the kept entries
  int expected_count;        // unit_count
};

QStringList macs(int n) {
  QStringList list;
  for (int i = 0; i < n; ++i) list << QStringLiteral("00:11:22:33:44:%1").arg(i, 2, 10, QLatin1Char('0'));
  return list;
}

QStringList local_ips(int n, const QString& format = QStringLiteral("010.077.000.%1")) {
  QStringList list;
  for (int i = 0; i < n; ++i) list << format.arg(50 + i, 3, 10, QLatin1Char('0'));
  return list;
}

TEST_F(Search, DeviceListFromTheHandoffFiles) {
  const QStringList m = macs(3);
  const std::vector<ListCase> cases = {
      {"units on the console's network", m, {"010.077.000.050", "192.168.001.007", "010.077.000.051"},
       {m[0], m[2]}, {"10.77.0.50", "10.77.0.51"}, 2},
      {"a longer MAC line gives its first 17 characters", {m[0] + " trailing"}, {"010.077.000.011"},
       {m[0]}, {"10.77.0.11"}, 1},
      {"an unreadable IP line drops its unit", m, {"010.077.000.300", "010.077.000.012", "10.77.0.13"},
       {m[1]}, {"10.77.0.12"}, 1},
      {"IP lines beyond the MAC lines are ignored", {m[0]}, local_ips(3), {m[0]}, {"10.77.0.50"}, 1},
      {"MAC lines beyond the IP lines keep no address", {m[0], m[1]}, local_ips(1), {m[0], m[1]},
       {"10.77.0.50", ""}, 1},
      {"more than ten units: the first ten", macs(12), local_ips(12), macs(10),
       QStringList(local_ips(10)).replaceInStrings("010.077.000.0", "10.77.0."), 10},
  };
  stand_in();
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    prompter.boxes.clear();
    handoff(c.macs, c.ips);
    search();
    ASSERT_EQ(prompter.boxes.size(), 1u) << prompter.texts().join(" | ").toStdString();
    EXPECT_EQ(prompter.boxes[0].icon, BoxIcon::Information);
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Search MAC completed !"));
    EXPECT_EQ(list_entries(window->cbo_ipaddr), c.expected_macs);
    ASSERT_GE(window->unit_ip.size(), static_cast<std::size_t>(c.expected_ips.size()));
    for (int k = 0; k < c.expected_ips.size(); ++k) EXPECT_EQ(window->unit_ip[static_cast<std::size_t>(k)], c.expected_ips[k]);
    EXPECT_EQ(window->unit_count, c.expected_count);
    EXPECT_EQ(window->cbo_ipaddr->currentIndex(), 0);
    EXPECT_EQ(window->cbo_model->count(), c.expected_macs.size());
    EXPECT_TRUE(window->con_interface->isEnabled());
    EXPECT_EQ(window->local_ip, QStringLiteral("10.77.0.1"));
    EXPECT_EQ(window->local_net, (std::array<uint8_t, 3>{10, 77, 0}));
  }
}

TEST_F(Search, NoUnitOnTheConsolesNetwork) {
  stand_in();
  for (const QStringList& ips : {QStringList{"192.168.001.010"}, QStringList{}}) {
    prompter.boxes.clear();
    handoff(ips.isEmpty() ? QStringList{} : macs(1), ips);
    search();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].icon, BoxIcon::Exclamation);
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Not Find MAC !"));
    EXPECT_EQ(window->cbo_ipaddr->count(), 0);
    EXPECT_FALSE(window->con_interface->isEnabled());  // as it was before
  }
}

// Adds an address of another network to the namespace's interface for one test.
class ExtraAddress {
 public:
  explicit ExtraAddress(const QString& cidr) : cidr_(cidr) {
    added_ = QProcess::execute("ip", {"addr", "add", cidr_, "dev", "v0"}) == 0;
  }
  ~ExtraAddress() {
    if (added_) QProcess::execute("ip", {"addr", "del", cidr_, "dev", "v0"});
  }
  bool added() const { return added_; }

 private:
  QString cidr_;
  bool added_ = false;
};

TEST_F(Search, UnitsOnAnyOfTheConsolesNetworksAreKept) {
  ExtraAddress extra(QStringLiteral("192.168.1.50/24"));
  if (!extra.added()) GTEST_SKIP() << "cannot add an address to v0";
  stand_in();
  const QStringList m = macs(3);
  handoff(m, {"192.168.001.010", "010.000.000.007", "010.077.000.011"});
  search();
  EXPECT_EQ(list_entries(window->cbo_ipaddr), (QStringList{m[0], m[2]}));
  EXPECT_EQ(window->unit_ip[0], QStringLiteral("192.168.1.10"));
  EXPECT_EQ(window->unit_ip[1], QStringLiteral("10.77.0.11"));
  EXPECT_EQ(window->local_ip, QStringLiteral("10.77.0.1"));  // still the first address
}

TEST_F(Search, MissingDiscoveryProgramIsNamed) {
  handoff(macs(1), local_ips(1));
  search();
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].icon, BoxIcon::Exclamation);
  EXPECT_TRUE(prompter.boxes[0].text.contains(kProgram)) << prompter.boxes[0].text.toStdString();
  EXPECT_EQ(window->cbo_ipaddr->count(), 0);
  EXPECT_FALSE(window->con_interface->isEnabled());
}

TEST_F(Search, DiscoveryProgramThatCannotStartIsNamed) {
  write_file(folder.filePath(kProgram), "#!/bin/sh\nexit 0\n", QFile::ReadOwner | QFile::WriteOwner);
  handoff(macs(1), local_ips(1));
  search();
  ASSERT_EQ(prompter.boxes.size(), 1u);
  EXPECT_EQ(prompter.boxes[0].icon, BoxIcon::Exclamation);
  EXPECT_TRUE(prompter.boxes[0].text.contains(QStringLiteral("Cannot start")));
  EXPECT_TRUE(prompter.boxes[0].text.contains(kProgram));
  EXPECT_EQ(window->cbo_ipaddr->count(), 0);
}

TEST_F(Search, MissingHandoffFileIsNamed) {
  stand_in();
  for (const char* missing : {"MAC.txt", "IP.txt"}) {
    SCOPED_TRACE(missing);
    prompter.boxes.clear();
    handoff(macs(1), local_ips(1));
    QFile::remove(folder.filePath(missing));
    search();
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].icon, BoxIcon::Exclamation);
    EXPECT_TRUE(prompter.boxes[0].text.contains(QLatin1String(missing))) << prompter.boxes[0].text.toStdString();
    EXPECT_EQ(window->cbo_ipaddr->count(), 0);
  }
}

TEST_F(Search, EventsRunWhileTheProgramRuns) {
  stand_in(QStringLiteral("sleep 0.5"));
  handoff(macs(1), local_ips(1));
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
  ticker.start(50);
  search();
  EXPECT_GT(ticks, 2);
  EXPECT_EQ(prompter.texts(), QStringList{"Search MAC completed !"});
}

TEST_F(Search, ClosingTheWindowDuringTheSearchEndsItQuietly) {
  stand_in(QStringLiteral("sleep 30"));
  handoff(macs(1), local_ips(1));
  QTimer::singleShot(300, window.get(), [this] { window->close(); });
  search();
  EXPECT_TRUE(window->window_closing);
  EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(Search, SearchWhileConnectedDisconnectsFirst) {
  Wallsim sim({unit_json(0)});
  ASSERT_TRUE(sim.ready());
  set_units({unit_ip_text(0)}, 0);
  connect_units();
  ASSERT_TRUE(window->is_connected);
  stand_in();
  handoff({unit_mac(0)}, {"010.077.000.011"});
  search();
  EXPECT_FALSE(window->is_connected);
  EXPECT_EQ(window->links_down, 1);
  EXPECT_TRUE(sim.wait_for(0, "tcp-close", "peer closed"));
  EXPECT_EQ(list_entries(window->cbo_ipaddr), QStringList{unit_mac(0)});
}

// The whole road: the real discovery program finds wallsim's units, the console lists
// them and connects to the first.
TEST_F(Search, RealDiscoveryProgramThenConnect) {
  Wallsim sim({unit_json(0), unit_json(1), unit_json(2)});
  ASSERT_TRUE(sim.ready());
  ASSERT_TRUE(QFile::copy(QStringLiteral(HALVEX_EXE), folder.filePath(kProgram)));
  QFile(folder.filePath(kProgram)).setPermissions(kExecutable);
  search();
  ASSERT_EQ(prompter.texts(), QStringList{"Search MAC completed !"});
  // The list follows the order in which the replies arrived; each entry keeps its address.
  const QStringList found = list_entries(window->cbo_ipaddr);
  ASSERT_EQ(found.size(), 3);
  QStringList sorted = found;
  sorted.sort();
  EXPECT_EQ(sorted, (QStringList{unit_mac(0), unit_mac(1), unit_mac(2)}));
  for (int k = 0; k < 3; ++k) {
    const int unit = found[k].right(2).toInt(nullptr, 16) - 1;  // wallsim's numbering
    EXPECT_EQ(window->unit_ip[static_cast<std::size_t>(k)], unit_ip_text(unit));
  }
  EXPECT_EQ(window->unit_count, 3);
  EXPECT_TRUE(window->con_interface->isEnabled());

  prompter.boxes.clear();
  connect_units();
  EXPECT_TRUE(window->is_connected) << prompter.texts().join(" | ").toStdString();
  const int first = found[0].right(2).toInt(nullptr, 16) - 1;
  EXPECT_EQ(sim.texts(first, "tcp-rx"), QStringList{"SOSDI"});
}

}  // namespace
