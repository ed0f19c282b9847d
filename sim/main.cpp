// wallsim: stands in for one or more wall processors, on the discovery
// datagrams and on the command links. Run it only inside tests/netns-run.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "CommandServer.h"
#include "DiscoveryResponder.h"
#include "EventLog.h"
#include "SignalQuit.h"
#include "Unit.h"
#include "UnitConfig.h"

namespace {

constexpr int kBadUsage = 2;
constexpr int kCannotRun = 1;

struct Options {
  std::vector<wallsim::UnitSetup> units;
  std::string logPath;
  std::optional<int> durationMs;
  bool tcp = true;
  bool udp = true;
};

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "wallsim: %s\n", message.c_str());
  return code;
}

std::optional<long long> WholeNumber(const QString& text, long long min, long long max) {
  bool ok = false;
  const long long value = text.toLongLong(&ok);
  if (!ok || value < min || value > max) return std::nullopt;
  return value;
}

// Returns an empty text when the command line is good, else what is wrong with it.
std::string ParseOptions(const QStringList& arguments, Options& options) {
  QCommandLineParser parser;
  parser.setApplicationDescription("Stand-in wall processors for the tests.");
  const QCommandLineOption units("units", "N default units (1..255).", "N");
  const QCommandLineOption config("config", "Units from a JSON unit file.", "FILE.json");
  const QCommandLineOption log("log", "Append one line per event to FILE.", "FILE");
  const QCommandLineOption duration("duration-ms", "Stop after MS milliseconds.", "MS");
  const QCommandLineOption noTcp("no-tcp", "No command listeners.");
  const QCommandLineOption noUdp("no-udp", "No discovery socket.");
  parser.addOptions({units, config, log, duration, noTcp, noUdp});
  if (!parser.parse(arguments)) return parser.errorText().toStdString();
  if (!parser.positionalArguments().isEmpty()) {
    return "unexpected argument " + parser.positionalArguments().first().toStdString();
  }
  for (const auto* single : {&units, &config, &log, &duration}) {
    if (parser.values(*single).size() > 1) {
      return "--" + single->names().first().toStdString() + " given more than once";
    }
  }

  if (parser.isSet(config)) {
    if (parser.isSet(units) || parser.isSet(noTcp) || parser.isSet(noUdp)) {
      return "--config goes only with --log and --duration-ms";
    }
    std::string error;
    if (!wallsim::LoadUnitFile(parser.value(config).toStdString(), options.units, error)) {
      return error;
    }
  } else {
    int count = 1;
    if (parser.isSet(units)) {
      const auto n = WholeNumber(parser.value(units), 1, wallsim::kMaxUnits);
      if (!n) return "--units takes a number from 1 to 255";
      count = static_cast<int>(*n);
    }
    options.units = wallsim::DefaultUnits(count);
    options.tcp = !parser.isSet(noTcp);
    options.udp = !parser.isSet(noUdp);
  }
  if (parser.isSet(duration)) {
    const auto ms = WholeNumber(parser.value(duration), 1, 24LL * 3600 * 1000);
    if (!ms) return "--duration-ms takes a number of milliseconds from 1 to 86400000";
    options.durationMs = static_cast<int>(*ms);
  }
  options.logPath = parser.value(log).toStdString();
  return {};
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  Options options;
  if (const std::string error = ParseOptions(app.arguments(), options); !error.empty()) {
    return Fail(kBadUsage, error);
  }

  wallsim::EventLog log;
  std::string error;
  if (!options.logPath.empty() && !log.open(options.logPath, error)) return Fail(kBadUsage, error);

  std::vector<wallsim::Unit> units;
  units.reserve(options.units.size());
  for (std::size_t i = 0; i < options.units.size(); ++i) {
    units.emplace_back(static_cast<int>(i), options.units[i]);
  }

  wallsim::SignalQuit signalQuit;
  wallsim::CommandServer commands(units, log);
  wallsim::DiscoveryResponder discovery(units, log);
  QObject::connect(&discovery, &wallsim::DiscoveryResponder::settingsApplied, &commands,
                   [&commands](int unit, bool addressChanged) {
                     if (addressChanged) commands.relisten(unit, "address changed");
                   });
  QObject::connect(&discovery, &wallsim::DiscoveryResponder::rebootRequested, &commands,
                   [&commands](int unit) { commands.closeLinks(unit, "reboot"); });

  if (options.udp && !discovery.start(error)) return Fail(kCannotRun, error);
  if (options.tcp) commands.start();
  if (options.durationMs) {
    QTimer::singleShot(*options.durationMs, Qt::PreciseTimer, &app, &QCoreApplication::quit);
  }

  std::fputs("wallsim: ready\n", stdout);
  std::fflush(stdout);
  const int code = app.exec();
  commands.closeAll("shutdown");
  return code;
}
