#include "CommandLink.h"

#include <algorithm>
#include <utility>

#include "FaultModes.h"

namespace wallsim {

namespace {

constexpr int kSplitGapMs = 50;
constexpr int kCoalesceWindowMs = 200;
// A client that sends commands but never reads would grow the write buffer
// without end; such a link is closed.
constexpr qint64 kMaxBacklogBytes = 1024 * 1024;
// How long a closing link may take to hand its last bytes to a slow reader.
constexpr int kCloseGraceMs = 5000;

QByteArray Latin1(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string KeywordOf(const std::string& line) { return line.substr(0, line.find(' ')); }

}  // namespace

CommandLink::CommandLink(QTcpSocket* socket, Unit& unit, EventLog& log, QObject* parent)
    : QObject(parent),
      socket_(socket),
      unit_(unit),
      log_(log),
      random_(static_cast<std::mt19937::result_type>(unit.index + 1)) {
  socket_->setParent(this);
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  clock_.start();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &CommandLink::pump);
  connect(socket_, &QTcpSocket::readyRead, this, &CommandLink::readCommands);
  connect(socket_, &QTcpSocket::disconnected, this, [this] {
    if (!closed_) {
      closed_ = true;
      log_.write(unit_.index, "tcp-close", "peer closed");
      emit closed(this);
      // The unit took its new settings with "SREL" even if "RELI" never went out.
      if (std::exchange(relinkAfterDrain_, false)) emit relinkRequested();
    }
    deleteLater();
  });

  log_.write(unit_.index, "tcp-accept", socket_->peerAddress().toString().toStdString());
  const CommandFaults& faults = unit_.tcpFaults;
  if (faults.telnetGreeting) {
    const std::string greeting = TelnetGreeting();
    queueChunk(0, Latin1(greeting), "tcp-junk",
               "telnet greeting " + EventLog::Hex(reinterpret_cast<const uint8_t*>(greeting.data()),
                                                  greeting.size()));
  }
  if (faults.floodBytes > 0) {
    queueChunk(0, Latin1(FloodText(faults.floodBytes, random_)), "tcp-junk",
               "flood " + std::to_string(faults.floodBytes) + " bytes");
  }
  pump();
}

void CommandLink::readCommands() {
  const QByteArray data = socket_->readAll();
  if (draining_ || closed_) return;
  const auto lines = reader_.feed(data.constData(), static_cast<std::size_t>(data.size()));
  for (std::size_t n = reader_.takeDropped(); n > 0; --n) {
    log_.write(unit_.index, "tcp-drop",
               "line longer than " + std::to_string(LineReader::kMaxLine) + " bytes");
  }
  for (const std::string& line : lines) {
    handleLine(line);
    if (draining_) break;
  }
  pump();
}

void CommandLink::handleLine(const std::string& line) {
  log_.write(unit_.index, "tcp-rx", line);
  ++commands_;
  const std::vector<std::string> answers = unit_.state.answer(line);
  const CommandFaults& faults = unit_.tcpFaults;
  if (!faults.silent && !faults.silentCommands.contains(KeywordOf(line))) {
    for (const std::string& answer : answers) queueAnswer(answer);
  }
  if (unit_.state.takeRelink()) {
    draining_ = true;
    relinkAfterDrain_ = true;
  } else if (faults.closeAfter > 0 && commands_ >= faults.closeAfter) {
    draining_ = true;
    drainReason_ = "close_after " + std::to_string(faults.closeAfter);
  }
}

void CommandLink::queueAnswer(const std::string& answer) {
  const CommandFaults& faults = unit_.tcpFaults;
  const qint64 now = clock_.elapsed();
  qint64 due = now + faults.replyDelayMs;
  // Coalesced answers wait for the window opened by the first one held.
  if (faults.coalesceReplies)
    due = std::max(due, queue_.empty() ? now + kCoalesceWindowMs : lastDue_);
  if (faults.garbageLines) {
    const std::string junk = JunkLine(random_);
    queueChunk(due, Latin1(junk + "\r\n"), "tcp-junk", junk);
  }
  const QByteArray bytes = Latin1(answer + "\r\n");
  if (faults.splitReplies) {
    const qsizetype half = bytes.size() / 2;
    const qint64 firstDue = queueChunk(due, bytes.left(half), nullptr, {});
    queueChunk(firstDue + kSplitGapMs, bytes.mid(half), "tcp-tx", answer);
  } else {
    queueChunk(due, bytes, "tcp-tx", answer);
  }
}

qint64 CommandLink::queueChunk(qint64 due, QByteArray bytes, const char* channel,
                               std::string text) {
  lastDue_ = std::max(due, lastDue_);  // never overtake what is queued already
  queue_.push_back(Chunk{lastDue_, std::move(bytes), channel, std::move(text)});
  return lastDue_;
}

void CommandLink::pump() {
  if (closed_) return;
  const qint64 now = clock_.elapsed();
  const bool together = unit_.tcpFaults.coalesceReplies;
  QByteArray batch;
  while (!queue_.empty() && queue_.front().due <= now) {
    Chunk& chunk = queue_.front();
    if (together) {
      batch += chunk.bytes;
    } else {
      socket_->write(chunk.bytes);
      socket_->flush();
    }
    if (chunk.channel) log_.write(unit_.index, chunk.channel, chunk.text);
    queue_.pop_front();
  }
  if (!batch.isEmpty()) {
    socket_->write(batch);
    socket_->flush();
  }
  if (socket_->bytesToWrite() >
      kMaxBacklogBytes + static_cast<qint64>(unit_.tcpFaults.floodBytes)) {
    close("output backlog");
    return;
  }
  if (!queue_.empty()) {
    timer_.start(static_cast<int>(queue_.front().due - now));
  } else if (draining_) {
    finish();
  }
}

void CommandLink::finish() {
  if (relinkAfterDrain_) {
    relinkAfterDrain_ = false;
    emit relinkRequested();  // the server closes every link of the unit, this one too
  } else {
    close(drainReason_);
  }
}

void CommandLink::close(const std::string& reason) {
  if (closed_) return;
  closed_ = true;
  timer_.stop();
  queue_.clear();
  log_.write(unit_.index, "tcp-close", reason);
  emit closed(this);
  socket_->disconnectFromHost();
  if (socket_->state() == QAbstractSocket::UnconnectedState) {
    deleteLater();
  } else {
    QTimer::singleShot(kCloseGraceMs, Qt::PreciseTimer, this, [this] { socket_->abort(); });
  }
}

}  // namespace wallsim
