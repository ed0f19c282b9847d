// Page switching and the locking of all panels around long read-backs.
#include <QGroupBox>

#include "core/Form1.h"

namespace {
constexpr QPoint kPageSpot{128, 208};  // left 1920, top 3120 twips
}

void Form1::show_page(int page) {
  for (int k = 0; k <= 4; ++k) frame_control(k)->setVisible(k == page);
  if (QGroupBox* shown = frame_control(page)) shown->move(kPageSpot);
}

void Form1::opt_tv1_Click() { show_page(0); }
void Form1::opt_tv2_Click() { show_page(1); }
void Form1::opt_tv3_Click() { show_page(4); }
void Form1::opt_io_Click() { show_page(2); }
void Form1::opt_image_Click() { show_page(3); }

// Disabling a frame leaves its children's own enabled flags alone, so unlocking gives
// back exactly the state from before the lock (with every frame enabled).
void Form1::lock_panels() {
  net_config->setEnabled(false);
  for (int k = 0; k <= 4; ++k) frame_control(k)->setEnabled(false);
  con_interface->setEnabled(false);
  sys_setting->setEnabled(false);
}

void Form1::unlock_panels() {
  net_config->setEnabled(true);
  for (int k = 0; k <= 4; ++k) frame_control(k)->setEnabled(true);
  con_interface->setEnabled(true);
  sys_setting->setEnabled(true);
}
