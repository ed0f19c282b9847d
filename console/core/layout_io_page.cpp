// The "I/O Setup" page: resolution and OSD lists with their "ALL IP" boxes in two
// columns, mute and the page's buttons in the right-hand column.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/Form1.h"
#include "core/layout_controls.h"

using layout::indexed_name;
using layout::ListKind;

void Form1::build_io_page() {
  QGroupBox* page = frame_control(2);

  struct Row {
    const char* caption;
    const char* list_name;
    ListKind kind;
  };
  const Row rows[] = {{"Output Resolution", "cbo_reso", ListKind::DropDown},
                      {"OSD Auto Display", "cbo_info_play", ListKind::DropDown},
                      {"OSD H Offset", "cbo_osd(0)", ListKind::Editable},
                      {"OSD V Offset", "cbo_osd(1)", ListKind::Editable},
                      {"OSD Display Timeout", "cbo_osd_time", ListKind::DropDown},
                      {"OSD Gain Correction", "cbo_osd_gain", ListKind::Editable}};
  QComboBox* lists[6] = {};
  // Resolution, auto display and timeout in the left column, the offsets and the gain
  // in the middle one; caption above the list, "ALL IP" box right of it.
  const QPoint spots[] = {{20, 30}, {20, 114}, {270, 30}, {270, 114}, {20, 198}, {270, 198}};
  for (int i = 0; i <= 5; ++i) {
    const int left = spots[i].x();
    const int top = spots[i].y();
    io_lbl.set(i, layout::label(page, indexed_name("io_lbl", i), QLatin1String(rows[i].caption),
                                {left, top, 230, 22}));
    lists[i] = layout::list(page, QLatin1String(rows[i].list_name), rows[i].kind,
                            {left, top + 24, 150, 28});
    chk_io.set(i, layout::check_box(page, indexed_name("chk_io", i), QStringLiteral("ALL IP"),
                                    {left + 158, top + 26, 75, 24}));
  }
  cbo_reso = lists[0];
  cbo_info_play = lists[1];
  cbo_osd.set(0, lists[2]);
  cbo_osd.set(1, lists[3]);
  cbo_osd_time = lists[4];
  cbo_osd_gain = lists[5];

  io_lbl.set(6, layout::label(page, indexed_name("io_lbl", 6), QStringLiteral("Mute"),
                              {520, 30, 120, 22}));
  mute_group_ = new QButtonGroup(this);
  const char* mute_captions[] = {"OFF", "ON"};
  const int mute_left[] = {585, 520};
  for (int i = 0; i <= 1; ++i) {
    opt_mute.set(i, layout::option(page, indexed_name("opt_mute", i), QLatin1String(mute_captions[i]),
                                   {mute_left[i], 56, 60, 24}));
    mute_group_->addButton(opt_mute(i), i);
  }
  chk_io.set(6, layout::check_box(page, indexed_name("chk_io", 6), QStringLiteral("ALL IP"),
                                  {648, 56, 74, 24}));

  const char* button_captions[] = {"Refresh", "Reset", "OSD Info"};
  const int button_tops[] = {180, 230, 130};  // "OSD Info" first, then "Refresh", "Reset"
  for (int i = 0; i <= 2; ++i)
    btn_io_rst.set(i, layout::button(page, indexed_name("btn_io_rst", i),
                                     QLatin1String(button_captions[i]), {540, button_tops[i], 150, 36}));
}
