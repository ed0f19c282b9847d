#pragma once
// Draws the cells of the device grid: every cell's text centred on one line, the
// first row and column in the look of fixed header cells. A column that is too
// narrow for a text is widened to the text plus 8 pixels, a row that is too low to
// the text height plus 4; neither ever shrinks again.
#include <QStyledItemDelegate>

class QTableWidget;

namespace halvex {

class GridCellDrawer : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit GridCellDrawer(QTableWidget* grid);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  void WidenToFit(int row, int column, const QString& text) const;

  QTableWidget* const grid_;
};

}  // namespace halvex
