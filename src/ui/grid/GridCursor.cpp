#include "ui/grid/GridCursor.h"

#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QTableView>
#include <algorithm>

#include "core/base/Command.h"
#include "ui/grid/DataSetModel.h"
#include "ui/grid/GridColumns.h"

TGridCursor::TGridCursor(QTableView* view, TDataSetModel* model, const TGridColumns* columns)
    : QObject(view), view_(view), model_(model), columns_(columns) {
  connect(model, &TDataSetModel::CurrentRowChanged, this, &TGridCursor::Follow);
  connect(columns, &TGridColumns::Arranged, this, &TGridCursor::Follow);
  connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TGridCursor::ViewRowChanged);
}

void TGridCursor::Follow() {
  if (following_) return;
  const QScopedValueRollback<bool> following(following_, true);
  const int row = model_->CurrentRow();
  const QModelIndex current = view_->currentIndex();
  if (row < 0) {
    if (current.isValid()) view_->selectionModel()->clearCurrentIndex();
    return;
  }
  if (current.isValid() && current.row() == row && !view_->isColumnHidden(current.column())) return;
  int column = current.isValid() ? current.column() : -1;
  if (column < 0 || view_->isColumnHidden(column)) column = columns_->FirstVisible();
  view_->setCurrentIndex(model_->index(row, std::max(column, 0)));
}

void TGridCursor::ViewRowChanged(const QModelIndex& current) {
  RunCommand([this, current] {
    TDataSet* dataSet = model_->DataSet();
    if (!following_ && current.isValid() && dataSet && dataSet->Active() &&
        dataSet->RecNo() - 1 != current.row()) {
      const QScopedValueRollback<bool> following(following_, true);
      dataSet->SetRecNo(current.row() + 1);
    }
  });
  emit RowChanged(current.isValid() && current.row() < model_->rowCount());
}
