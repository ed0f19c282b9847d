// "Search MAC": runs the discovery program, then fills the device list from its
// hand-off files with the units on the console's own networks.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QProcess>

#include <algorithm>

#include "core/Form1.h"
#include "core/protocol/HandoffReader.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
constexpr const char* kDiscoveryProgram = "HALVEX_MOSAICORE.exe";
#else
constexpr const char* kDiscoveryProgram = "HALVEX_MOSAICORE";
#endif

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

bool Form1::run_discovery_program() {
  const QString program = QDir(program_folder).filePath(QLatin1String(kDiscoveryProgram));
  if (!QFileInfo::exists(program)) {
    prompter().show(BoxIcon::Exclamation,
                    QStringLiteral("Cannot find the discovery program %1 !").arg(native(program)));
    return false;
  }
  // The flags outlive the process: a process still running when it goes out of scope
  // is killed by its destructor, which signals the lambdas below once more.
  bool ended = false, failed = false;
  QProcess process;
  process.setProgram(program);
  process.setWorkingDirectory(program_folder);
  process.setProcessChannelMode(QProcess::ForwardedChannels);
#ifdef Q_OS_WIN
  // Minimised and without taking the focus.
  process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
    args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
    args->startupInfo->wShowWindow = SW_SHOWMINNOACTIVE;
  });
#endif
  connect(&process, &QProcess::finished, this, [&ended] { ended = true; });
  connect(&process, &QProcess::errorOccurred, this, [&failed](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) failed = true;
  });
  process.start();
  // No time limit: the program searches for about a second and ends by itself. The
  // window's events keep running meanwhile; the links are down, so that ends nothing.
  const WaitEnd end = wait_until([&] { return ended || failed; }, -1, false);
  if (failed) {
    prompter().show(BoxIcon::Exclamation,
                    QStringLiteral("Cannot start the discovery program %1 !").arg(native(program)));
    return false;
  }
  if (end != WaitEnd::Done) {  // the window is closing: the search ends here
    process.kill();
    process.waitForFinished(1000);
    return false;
  }
  return true;
}

std::optional<std::vector<std::string>> Form1::read_handoff_file(const char* name) {
  const QString path = QDir(program_folder).filePath(QLatin1String(name));
  auto lines = mosaic::read_text_lines(std::filesystem::path(path.toStdU16String()));
  if (!lines)
    prompter().show(BoxIcon::Exclamation, QStringLiteral("Cannot read the search result %1 !").arg(native(path)));
  return lines;
}

void Form1::btn_sys_search_Click() {
  drop_links();
  unit_count = 0;
  cbo_ipaddr->clear();
  read_local_net();
  if (!run_discovery_program()) return;
  const auto macs = read_handoff_file("MAC.txt");
  if (!macs) return;
  const auto ips = read_handoff_file("IP.txt");
  if (!ips) return;

  std::vector<mosaic::FoundUnit> units = mosaic::keep_local_units(*macs, *ips, own_nets_);
  // There are ten links, so the list keeps the first ten units.
  if (units.size() > static_cast<std::size_t>(wsk_client.size())) units.resize(static_cast<std::size_t>(wsk_client.size()));

  // Filled afresh: a search started while this one waited has filled the list already.
  cbo_ipaddr->clear();
  unit_ip.assign(macs->size() + 1, QString());
  unit_count = 0;
  for (std::size_t k = 0; k < units.size(); ++k) {
    cbo_ipaddr->addItem(QString::fromLatin1(units[k].mac.data(), static_cast<qsizetype>(units[k].mac.size())));
    unit_ip[k] = QString::fromStdString(units[k].ip);
    if (!units[k].ip.empty()) ++unit_count;
  }

  if (cbo_ipaddr->count() == 0) {
    prompter().show(BoxIcon::Exclamation, QStringLiteral("Not Find MAC !"));
    return;
  }
  fill_id_list();
  prompter().show(BoxIcon::Information, QStringLiteral("Search MAC completed !"));
  cbo_ipaddr->setCurrentIndex(0);
  con_interface->setEnabled(true);
}
