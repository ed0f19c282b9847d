#include "GridCellDrawer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTableWidget>

namespace halvex {

namespace {
constexpr int kFixedRows = 1;
constexpr int kFixedColumns = 1;
constexpr int kWidthMargin = 8;
constexpr int kHeightMargin = 4;
}  // namespace

GridCellDrawer::GridCellDrawer(QTableWidget* grid) : QStyledItemDelegate(grid), grid_(grid) {}

void GridCellDrawer::WidenToFit(int row, int column, const QString& text) const {
  const QFontMetrics metrics(grid_->font());
  const int width = metrics.horizontalAdvance(text);
  if (grid_->columnWidth(column) < width) grid_->setColumnWidth(column, width + kWidthMargin);
  const int height = metrics.height();
  if (grid_->rowHeight(row) < height) grid_->setRowHeight(row, height + kHeightMargin);
}

void GridCellDrawer::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  WidenToFit(index.row(), index.column(), text);

  const bool fixed = index.row() < kFixedRows || index.column() < kFixedColumns;
  const bool selected = !fixed && option.state.testFlag(QStyle::State_Selected);
  const QPalette& colours = option.palette;
  const QBrush fill = fixed ? colours.button() : selected ? colours.highlight() : colours.base();
  const QColor ink = fixed      ? colours.buttonText().color()
                     : selected ? colours.highlightedText().color()
                                : colours.text().color();

  painter->save();
  painter->fillRect(option.rect, fill);
  painter->setPen(ink);
  painter->setFont(grid_->font());
  painter->drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, text);
  painter->restore();
}

}  // namespace halvex
