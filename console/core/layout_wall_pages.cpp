// The three "TV Wall" pages: presets, wall size with bezel correction, favourites.
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

void Form1::build_wall_presets_page() {
  QGroupBox* page = frame_control(0);
  const char* captions[] = {"1x1", "2x2", "3x3", "4x4", "5x5", "6x6", "2x3", "3x2",
                            "3x4", "4x2", "4x3", "4x5", "1x2", "2x1", "1x3", "3x1",
                            "1x4", "4x1", "2x4", "3x5", "5x4", "5x3", "6x2", "6x3"};
  // Four rows of six, in index order.
  for (int i = 0; i <= 23; ++i) {
    const int row = i / 6;
    const int column = i % 6;
    btn_tv_fs.set(i, layout::button(page, indexed_name("btn_tv_fs", i), QLatin1String(captions[i]),
                                    {20 + column * 116, 40 + row * 65, 100, 50}));
  }
}

void Form1::build_wall_size_page() {
  QGroupBox* page = frame_control(1);

  // Top row: manual wall size. The list under "Row" is cbo_tv_col, the one under
  // "Column" is cbo_tv_row.
  tv2_lbl.set(7, layout::label(page, indexed_name("tv2_lbl", 7), QStringLiteral("Manual setup"),
                               {20, 62, 130, 26}));
  tv_lbl.set(0, layout::label(page, indexed_name("tv_lbl", 0), QStringLiteral("Row"),
                              {160, 36, 90, 22}));
  cbo_tv_col = layout::list(page, QStringLiteral("cbo_tv_col"), ListKind::Editable,
                            {160, 60, 90, 28});
  tv_lbl.set(1, layout::label(page, indexed_name("tv_lbl", 1), QStringLiteral("Column"),
                              {270, 36, 90, 22}));
  cbo_tv_row = layout::list(page, QStringLiteral("cbo_tv_row"), ListKind::Editable,
                            {270, 60, 90, 28});
  btn_tvwall_send = layout::button(page, QStringLiteral("btn_tvwall_send"), QStringLiteral("Send"),
                                   {590, 58, 110, 32});

  // Values row: bezel values.
  tv2_lbl.set(1, layout::label(page, indexed_name("tv2_lbl", 1), QStringLiteral("Bezel Correction"),
                               {20, 142, 130, 26}));
  tv2_lbl.set(2, layout::label(page, indexed_name("tv2_lbl", 2), QStringLiteral("Horizon"),
                               {160, 116, 90, 22}));
  cbo_val_H.set(1, layout::list(page, indexed_name("cbo_val_H", 1), ListKind::DropDown,
                                {160, 140, 90, 28}));
  tv2_lbl.set(3, layout::label(page, indexed_name("tv2_lbl", 3), QStringLiteral("Vertical"),
                               {270, 116, 90, 22}));
  cbo_val_V.set(1, layout::list(page, indexed_name("cbo_val_V", 1), ListKind::DropDown,
                                {270, 140, 90, 28}));
  btn_H_Bezel_send = layout::button(page, QStringLiteral("btn_H_Bezel_send"), QStringLiteral("Send"),
                                    {590, 138, 110, 32});

  // Switch row: bezel on/off, its "ALL IP" box and the wall reset.
  tv2_lbl.set(0, layout::label(page, indexed_name("tv2_lbl", 0), QStringLiteral("Bezel Correction"),
                               {20, 222, 130, 26}));
  bezel_group_ = new QButtonGroup(this);
  const char* bezel_captions[] = {"OFF", "ON"};
  const int bezel_left[] = {230, 160};
  for (int i = 0; i <= 1; ++i) {
    opt_bezel.set(i, layout::option(page, indexed_name("opt_bezel", i),
                                    QLatin1String(bezel_captions[i]), {bezel_left[i], 222, 62, 26}));
    bezel_group_->addButton(opt_bezel(i), i);
  }
  Check1.set(2, layout::check_box(page, indexed_name("Check1", 2), QStringLiteral("ALL IP"),
                                  {310, 222, 80, 26}));
  btn_tvwall_reset = layout::button(page, QStringLiteral("btn_tvwall_reset"),
                                    QStringLiteral("TV Wall Reset"), {570, 218, 130, 32});

  // Never usable: off in the design, and nothing switches them on.
  const QRect allip_spots[] = {{380, 62, 80, 26}, {380, 142, 80, 26},
                               {470, 62, 80, 26}, {470, 142, 80, 26}};
  for (int i = 0; i <= 3; ++i) {
    chk_tv_allip.set(i, layout::check_box(page, indexed_name("chk_tv_allip", i),
                                          QStringLiteral("ALL IP"), allip_spots[i]));
    chk_tv_allip(i)->setEnabled(false);
  }
  btn_tvwall_refresh = layout::button(page, QStringLiteral("btn_tvwall_refresh"),
                                      QStringLiteral("Refresh"), {590, 98, 110, 32});
  btn_V_Bezel_send = layout::button(page, QStringLiteral("btn_V_Bezel_send"), QStringLiteral("Send"),
                                    {590, 178, 110, 32});
  for (QPushButton* hidden : {btn_tvwall_refresh, btn_V_Bezel_send}) {
    hidden->setEnabled(false);
    hidden->hide();
  }
}

void Form1::build_favourites_page() {
  QGroupBox* page = frame_control(4);
  Label1.set(0, layout::label(page, indexed_name("Label1", 0),
                              QStringLiteral("Save TV Wall Settings"), {20, 40, 320, 26}));
  Label1.set(1, layout::label(page, indexed_name("Label1", 1),
                              QStringLiteral("Recall TV Wall Settings"), {20, 150, 320, 26}));
  for (int i = 1; i <= 5; ++i) {
    const QString caption = QStringLiteral("FAV %1").arg(i);
    const int left = 20 + (i - 1) * 138;
    btn_save.set(i, layout::button(page, indexed_name("btn_save", i), caption, {left, 72, 120, 50}));
    btn_recall.set(i,
                   layout::button(page, indexed_name("btn_recall", i), caption, {left, 182, 120, 50}));
  }
}
