// The "ID No." list: one number per unit of the device list; picking one gives the
// selected unit that ID number.
#include <QComboBox>

#include "core/Form1.h"
#include "core/protocol/NumberText.h"

void Form1::fill_id_list() {
  cbo_model->clear();
  for (int k = 0; k < cbo_ipaddr->count(); ++k)
    cbo_model->addItem(QString::fromStdString(mosaic::signed_number(k)));
}

void Form1::cbo_model_Click() {
  const int index = cbo_model->currentIndex();
  // A selection cleared by code (below, by fill_id_list or by another handler) asks for
  // nothing; without this the clearing here would come back as a second report.
  if (index < 0) return;
  if (!link_open(cbo_ipaddr->currentIndex()) || !is_connected) {
    prompter().show(BoxIcon::Critical, QStringLiteral("Ethernet is disconnected !"));
    cbo_model->setCurrentIndex(-1);
    drop_links();
    return;
  }
  // While a read-back sets the list from the unit's reply, nothing goes back.
  if (sys_read_step == 0)
    send_selected(QStringLiteral("SMDN ") + QString::fromStdString(mosaic::plain_number(index)));
}
