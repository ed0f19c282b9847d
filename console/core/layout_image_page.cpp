// The "Image Adjust" page: four parameter rows by four output columns of value boxes,
// each row with its "Reset" button and "ALL IP" box, and "Picture Reset" and "Refresh"
// at the right edge.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/Form1.h"
#include "core/layout_controls.h"

using layout::indexed_name;

void Form1::build_image_page() {
  QGroupBox* page = frame_control(3);
  constexpr int kFirstRowTop = 64;
  constexpr int kRowStride = 52;
  constexpr int kFirstBoxLeft = 116;
  constexpr int kColumnStride = 86;

  for (int output = 1; output <= 4; ++output) {
    auto* caption = layout::label(page, indexed_name("img_lbl", output + 4),
                                  QStringLiteral("OUT %1").arg(QChar(u'A' + (output - 1))),
                                  {kFirstBoxLeft + (output - 1) * kColumnStride, 36, 78, 22});
    caption->setAlignment(Qt::AlignCenter);
    img_lbl.set(output + 4, caption);
  }

  struct Row {
    const char* caption;
    const char* box_name;
    ControlArray<QComboBox, 1, 4>& boxes;
  };
  const Row rows[] = {{"Brightness", "cbo_image_bri", cbo_image_bri},
                      {"Contrast", "cbo_image_con", cbo_image_con},
                      {"Saturation", "cbo_image_sat", cbo_image_sat},
                      {"Hue", "cbo_image_hue", cbo_image_hue}};
  for (int r = 0; r <= 3; ++r) {
    const int top = kFirstRowTop + r * kRowStride;
    img_lbl.set(r, layout::label(page, indexed_name("img_lbl", r), QLatin1String(rows[r].caption),
                                 {16, top, 96, 28}));
    for (int output = 1; output <= 4; ++output)
      rows[r].boxes.set(output,
                        layout::list(page, indexed_name(rows[r].box_name, output),
                                     layout::ListKind::Editable,
                                     {kFirstBoxLeft + (output - 1) * kColumnStride, top, 78, 28}));
    btn_img_rst.set(r, layout::button(page, indexed_name("btn_img_rst", r), QStringLiteral("Reset"),
                                      {462, top - 2, 66, 32}));
    Chk_img.set(r, layout::check_box(page, indexed_name("Chk_img", r), QStringLiteral("ALL IP"),
                                     {536, top + 2, 78, 24}));
  }
  btn_img_rst.set(4, layout::button(page, indexed_name("btn_img_rst", 4),
                                    QStringLiteral("Picture Reset"), {620, kFirstRowTop - 2, 100, 32}));
  btn_img_rst.set(5, layout::button(page, indexed_name("btn_img_rst", 5), QStringLiteral("Refresh"),
                                    {620, kFirstRowTop + kRowStride - 2, 100, 32}));
}
