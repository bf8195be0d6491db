#pragma once

#include <QObject>

class QModelIndex;
class QTableView;
class TDataSetModel;
class TGridColumns;

// Keeps a grid view's current row and its data set's current record together: a row chosen in
// the view becomes the data set's current record, and the view's current cell follows the data
// set (in the same column, else the leftmost visible one).
class TGridCursor : public QObject {
  Q_OBJECT
 public:
  TGridCursor(QTableView* view, TDataSetModel* model, const TGridColumns* columns);

  // Puts the view's current cell on the data set's current row; none when there is none.
  void Follow();

 signals:
  // The view's current row changed, by the operator or following the data set: whether it is a
  // row of data.
  void RowChanged(bool selected);

 private:
  void ViewRowChanged(const QModelIndex& current);

  QTableView* view_;
  TDataSetModel* model_;
  const TGridColumns* columns_;
  bool following_ = false;
};
