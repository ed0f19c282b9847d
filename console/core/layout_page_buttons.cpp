// The five page buttons down the left side and the five stacked pages.
#include <QGroupBox>
#include <QPushButton>

#include "core/Form1.h"
#include "core/layout_controls.h"

namespace {

// Pages lie on one spot: left 1920, top 3120 twips, 10930 x 4575 twips.
constexpr QRect kPageSpot{128, 208, 729, 305};

constexpr const char* kPageButtonStyle =
    "QPushButton { background-color: #b9d3ee; }"
    "QPushButton:checked { background-color: #3a78b8; color: white; }"
    "QPushButton:disabled { color: gray; }";

}  // namespace

void Form1::build_page_buttons() {
  struct PageButton {
    QPushButton*& button;
    const char* name;
    const char* caption;
    int top;
  };
  const PageButton buttons[] = {{opt_tv1, "opt_tv1", "TV Wall (1)", 216},
                                {opt_tv2, "opt_tv2", "TV Wall (2)", 272},
                                {opt_tv3, "opt_tv3", "TV Wall (3)", 328},
                                {opt_io, "opt_io", "I/O Setup", 384},
                                {opt_image, "opt_image", "Image Adjust", 440}};
  for (const PageButton& entry : buttons) {
    entry.button = layout::button(this, QLatin1String(entry.name), QLatin1String(entry.caption),
                                  {16, entry.top, 97, 41});
    entry.button->setCheckable(true);
    entry.button->setAutoExclusive(true);
    entry.button->setStyleSheet(QLatin1String(kPageButtonStyle));
  }
  opt_tv1->setChecked(true);  // the page shown at start
}

void Form1::build_pages() {
  const char* captions[] = {"TV Wall Setup", "TV Wall Setup", "I/O Setup", "Image Adjust",
                            "TV Wall Setup"};
  for (int k = 0; k <= 4; ++k)
    frame_control.set(k, layout::frame(this, layout::indexed_name("frame_control", k),
                                       QLatin1String(captions[k]), kPageSpot));
  build_wall_presets_page();
  build_wall_size_page();
  build_favourites_page();
  build_io_page();
  build_image_page();
}
