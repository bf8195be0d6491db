#pragma once

#include <QTableView>
#include <functional>

#include "core/grid/SortMarkers.h"
#include "ui/grid/GridCommands.h"

class TDataSet;
class TDataSetModel;
class TGridCursor;
class TqdPopupMenu;

// The import wizard's preview grid: a table view over a data set whose titles sort the data set
// when clicked (ascending, descending, unsorted), whose arrow keys move over visible columns and
// the data set's records, and whose rows can be selected several at a time. It shares the grid
// commands and the column layout with TqdGridcx; fields missing from a stored layout stay
// visible.
class TqdDBGrid : public QTableView {
  Q_OBJECT
 public:
  explicit TqdDBGrid(QWidget* parent = nullptr);

  // The layout key: LayoutId when above 0, else Tag. Setting LayoutId loads that layout.
  int LayoutId() const { return layoutId_; }
  void SetLayoutId(int layoutId);
  int Tag = 0;
  int LayoutKey() const { return layoutId_ > 0 ? layoutId_ : Tag; }

  TDataSet* DataSet() const;
  void SetDataSet(TDataSet* dataSet);
  TDataSetModel* DataSource() const { return model_; }
  TqdPopupMenu* PopupMenuQd() const { return commands_->PopupMenuQd(); }
  // The actions, the layout and the commands this grid shares with TqdGridcx.
  TGridCommands& Commands() const { return *commands_; }
  TGridColumns& Columns() const { return commands_->Columns(); }
  // Raised after the grid's own handling of a key.
  std::function<void(QKeyEvent* event)> OnKeyDown;

  void RebuildColumns();
  // The data set's sort as the title markers make it.
  QString SortText() const { return markers_.SortText(); }

  virtual void ExportToExcel() {}
  virtual void ExportToHtml() {}
  void FilterClick();
  // Drops the context menu below the control.
  void PopupButtonClick(QWidget* sender) { commands_->PopupBelow(sender); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TitleClick(int column);
  void ShowMarkers();
  void MoveToColumn(int step);

  TDataSetModel* model_;
  TGridCommands* commands_;
  TGridCursor* cursor_;
  TSortMarkers markers_;
  int layoutId_ = 0;
};
