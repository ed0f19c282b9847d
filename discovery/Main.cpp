#include "Main.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>
#include <iostream>
#include <string>
#include <vector>

#include "DiscoverySockets.h"
#include "ErrorReporter.h"
#include "Fonts.h"
#include "GridCellDrawer.h"
#include "Info.h"
#include "LinkLabel.h"
#include "Text8.h"
#include "protocol/HandoffFiles.h"
#include "protocol/ParseReply.h"
#include "protocol/SettingsWrite.h"
#include "protocol/VersionText.h"

#ifndef HALVEX_FILE_VERSION
#define HALVEX_FILE_VERSION ""  // no version information: the caption shows none
#endif

namespace halvex {

std::array<Discovery, kDeviceTableSize> DeviceTable;
int32_t DeviceCount = 0;
int32_t SelectedRow = 0;

namespace {

constexpr int kGridColumns = 5;
constexpr int kColumnWidths[kGridColumns] = {3, 62, 84, 73, 64};
constexpr int kDefaultRowHeight = 24;
constexpr int kHandOffTicks = 1000;

QByteArray ToByteArray(const Bytes& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QPixmap MakeLogo(QSize size) {
  QPixmap logo(size);
  logo.fill(Qt::transparent);
  QPainter painter(&logo);
  QFont font(QStringLiteral("Sans Serif"));
  font.setBold(true);
  font.setPixelSize(size.height() - 6);
  painter.setFont(font);
  painter.setPen(QColor(0, 51, 153));
  painter.drawText(logo.rect(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("HALVEX"));
  return logo;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  QTableWidgetItem* item = grid->item(row, column);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    grid->setItem(row, column, item);
  }
  item->setText(text);
}

QTableWidget* MakeGrid(QWidget* parent) {
  auto* grid = new QTableWidget(2, kGridColumns, parent);
  grid->setObjectName(QStringLiteral("StringGrid1"));
  grid->setGeometry(8, 44, 673, 481);
  grid->setFont(ConsoleFont());
  // Row 0 and column 0 of the table are the grid's fixed cells, so grid row r is table row r.
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setMinimumSectionSize(0);
  grid->verticalHeader()->setMinimumSectionSize(0);
  grid->verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
  for (int column = 0; column < kGridColumns; ++column) grid->setColumnWidth(column, kColumnWidths[column]);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid->setWordWrap(false);
  grid->setItemDelegate(new GridCellDrawer(grid));
  const QString headers[] = {QString(), QStringLiteral("Product Name"), QStringLiteral("Description"),
                             QStringLiteral("IP Address"), QStringLiteral("MAC Address")};
  for (int column = 0; column < kGridColumns; ++column) SetCell(grid, 0, column, headers[column]);
  {
    // The first plain cell starts as the current one without counting as a selection.
    const QSignalBlocker quiet(grid);
    grid->setCurrentCell(1, 1);
  }
  return grid;
}

QListWidget* MakeLineList(QWidget* parent, const char* name) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->hide();
  return list;
}

std::vector<std::string> Lines(const QListWidget* list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toLatin1().toStdString());
  return lines;
}

// A file that cannot be written is reported on standard error; the hand-off goes on,
// since the console waits for the program to end.
void WriteList(const QListWidget* list, const QString& path) {
  std::string error;
  if (!WriteLines(QFile::encodeName(path).toStdString(), Lines(list), error)) {
    std::cerr << "HALVEX: " << error << '\n';  // the error names the file and the reason
  }
}

}  // namespace

TMainForm::TMainForm(const QString& handOffFolder, ErrorReporter* reporter)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      handOffFolder_(handOffFolder.isEmpty() ? QCoreApplication::applicationDirPath() : handOffFolder),
      ownReporter_(reporter == nullptr ? std::make_unique<MessageBoxReporter>() : nullptr),
      reporter_(reporter == nullptr ? ownReporter_.get() : reporter) {
  setObjectName(QStringLiteral("TMainForm"));
  setWindowTitle(QStringLiteral("HALVEX V") + QString::fromStdString(GetVersionText(HALVEX_FILE_VERSION)));
  setFixedSize(689, 533);
  setFont(FormFont());

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(16, 8, 129, 28);
  Image1->setPixmap(MakeLogo(Image1->size()));

  Bn_Find = new QPushButton(QStringLiteral("Find Devices on Network"), this);
  Bn_Find->setObjectName(QStringLiteral("Bn_Find"));
  Bn_Find->setGeometry(216, 8, 225, 29);
  Bn_Find->setFont(ConsoleFont());

  StringGrid1 = MakeGrid(this);
  Memo1 = MakeLineList(this, "Memo1");
  Memo2 = MakeLineList(this, "Memo2");

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setSingleShot(true);
  Timer1->setInterval(kHandOffTicks);

  // The panel waits hidden here until the tool window takes it.
  Pn_DeviceSettings = new DeviceSettingsPanel(this);
  Pn_DeviceSettings->hide();

  sockets_ = new DiscoverySockets(this);
  sockets_->setObjectName(QStringLiteral("DiscoverySockets"));

  connect(Bn_Find, &QPushButton::clicked, this, &TMainForm::Bn_FindClick);
  // Moving the current cell (mouse or keys) selects it; a press selects the
  // current cell again, e.g. after a new search has cleared the selection.
  connect(StringGrid1, &QTableWidget::currentCellChanged, this,
          [this](int row, int column) { if (row >= 0) StringGrid1SelectCell(column, row); });
  connect(StringGrid1, &QTableWidget::cellPressed, this,
          [this](int row, int column) { StringGrid1SelectCell(column, row); });
  connect(Pn_DeviceSettings->CB_IPMode, &QComboBox::currentIndexChanged, this, &TMainForm::CB_IPModeChange);
  connect(Pn_DeviceSettings->Bn_Save, &QPushButton::clicked, this, &TMainForm::Bn_SaveClick);
  connect(Pn_DeviceSettings->Bn_Reboot, &QPushButton::clicked, this, &TMainForm::Bn_RebootClick);
  connect(Pn_DeviceSettings->Lab_webgui, &LinkLabel::clicked, this, &TMainForm::Lab_webguiClick);
  connect(sockets_, &DiscoverySockets::DatagramReceived, this, &TMainForm::IdUDPServer1UDPRead);
  connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
}

TMainForm::~TMainForm() = default;

void TMainForm::SetInfoForm(TInfoFrom* infoForm) { infoForm_ = infoForm; }

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}

void TMainForm::FormCreate() {
  Bn_FindClick();
  Timer1->start();
}

void TMainForm::FormActivate() {
  if (infoForm_ != nullptr) infoForm_->Host(Pn_DeviceSettings);
}

void TMainForm::Bn_FindClick() {
  DeviceCount = 0;
  SelectedRow = 0;
  // The search also runs unattended at start-up, so a failed copy is reported on
  // standard error rather than in a box that would hold up the hand-off.
  for (const QString& failure : sockets_->SendQuery(ToByteArray(BuildQuery()))) {
    std::cerr << "HALVEX: " << failure.toLocal8Bit().constData() << '\n';
  }
}

void TMainForm::IdUDPServer1UDPRead(const QByteArray& datagram) {
  if (datagram.isEmpty() || DeviceCount >= kDeviceTableSize) return;
  Discovery record;
  ClearRecord(record);
  const auto* bytes = reinterpret_cast<const uint8_t*>(datagram.constData());
  if (!ParseReply(bytes, std::size_t(datagram.size()), record,
                  [this](const MacBytes& mac) { return IsNewMAC(mac); })) {
    return;
  }
  DeviceTable[DeviceCount] = record;
  AddDeviceRow(record, DeviceCount);
  ++DeviceCount;
}

bool TMainForm::IsNewMAC(const MacBytes& mac) const {
  for (int i = 0; i < DeviceCount; ++i) {
    if (DeviceTable[i].MAC == mac) return false;
  }
  return true;
}

void TMainForm::AddDeviceRow(const Discovery& record, int index) {
  {
    // Dropping rows may move the current cell; that is no selection by the operator.
    const QSignalBlocker quiet(StringGrid1);
    StringGrid1->setRowCount(index + 2);
  }
  const int row = index + 1;
  SetCell(StringGrid1, row, 0, QString::number(row));
  SetCell(StringGrid1, row, 1, Text8(record.ProductName));
  SetCell(StringGrid1, row, 2, Text8(record.Description));
  SetCell(StringGrid1, row, 3, Text8(record.IPAddress));
  SetCell(StringGrid1, row, 4, Text8(record.MACText));
}

void TMainForm::StringGrid1SelectCell(int /*column*/, int row) {
  if (row < 1 || row > kDeviceTableSize) return;
  if (infoForm_ != nullptr) {
    FormActivate();  // a minimised main window may never have been activated
    if (infoForm_->isVisible()) {
      infoForm_->raise();
    } else {
      infoForm_->show();
    }
  }
  ShowDevice(DeviceTable[row - 1]);
  SelectedRow = row;
}

void TMainForm::ShowDevice(const Discovery& record) { Pn_DeviceSettings->ShowRecord(record); }

void TMainForm::CB_IPModeChange() {
  Pn_DeviceSettings->SetStaticAddressEditsEnabled(Pn_DeviceSettings->CB_IPMode->currentIndex() == 0);
}

Discovery* TMainForm::SelectedDevice() const {
  if (SelectedRow < 1 || SelectedRow > kDeviceTableSize) return nullptr;
  return &DeviceTable[SelectedRow - 1];
}

bool TMainForm::SendToUnits(const Bytes& datagram) {
  QString error;
  if (sockets_->SendToGroup(ToByteArray(datagram), error)) return true;
  reporter_->ShowError(error);
  return false;
}

void TMainForm::Bn_SaveClick() {
  Discovery* device = SelectedDevice();
  if (device == nullptr) return;
  const SettingsWrite write = BuildSettingsWrite(*device, Pn_DeviceSettings->Values());
  if (!write.ok) {
    reporter_->ShowError(QString::fromUtf8(write.error.data(), qsizetype(write.error.size())));
    return;
  }
  // The record changes only once the unit can have received the change.
  if (SendToUnits(write.datagram)) *device = write.updated;
}

void TMainForm::Bn_RebootClick() {
  if (const Discovery* device = SelectedDevice()) SendToUnits(BuildReboot(device->MAC));
}

void TMainForm::Lab_webguiClick() {
  const Discovery* device = SelectedDevice();
  if (device == nullptr) return;
  const std::string address = WebGuiAddress(*device);
  if (!address.empty()) QDesktopServices::openUrl(QUrl(Text8(address)));
}

void TMainForm::WriteHandOffFiles() {
  const QDir folder(handOffFolder_);
  WriteList(Memo1, folder.filePath(QStringLiteral("MAC.txt")));
  WriteList(Memo2, folder.filePath(QStringLiteral("IP.txt")));
}

void TMainForm::Timer1Timer() {
  Memo1->clear();
  Memo2->clear();
  WriteHandOffFiles();  // files of an earlier run never survive
  if (DeviceCount > 0) {
    for (int i = 0; i < DeviceCount; ++i) {
      Memo1->addItem(Text8(DeviceTable[i].MACText));
      Memo2->addItem(Text8(HandOffIpLine(DeviceTable[i].IPAddress)));
    }
    WriteHandOffFiles();
  }
  Timer1->stop();
  close();
}

}  // namespace halvex
