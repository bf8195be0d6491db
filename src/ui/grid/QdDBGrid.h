#pragma once

#include <QTableView>
#include <functional>

#include "core/grid/SortMarkers.h"
#include "ui/grid/GridActions.h"
#include "ui/grid/GridColumns.h"

class TDataSet;
class TDataSetModel;
class TqdPopupMenu;

// The import wizard's preview grid: a table view over a data set whose titles sort the data set
// when clicked (ascending, descending, unsorted), whose arrow keys move over visible columns and
// the data set's records, and whose rows can be selected several at a time. It keeps a column
// layout like the other grid; fields missing from a stored layout stay visible.
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
  TqdPopupMenu* PopupMenuQd() const { return popupMenu_; }
  TGridColumns& Columns() { return columns_; }
  std::function<void()> BatchProc;
  // Raised after the grid's own handling of a key.
  std::function<void(QKeyEvent* event)> OnKeyDown;

  QAction* ActionExport() const { return actions_.Export; }
  QAction* ActionExport2Excel() const { return actions_.Export2Excel; }
  QAction* ActionExport2Html() const { return actions_.Export2Html; }
  QAction* ActionColVisible() const { return actions_.ColVisible; }
  QAction* ActionTableStyleSave() const { return actions_.TableStyleSave; }
  QAction* ActionSort() const { return actions_.Sort; }

  void RebuildColumns();
  QString Layout() const { return columns_.LayoutText(); }
  void SetLayout(const QString& layout);
  bool LoadLayout(int key);
  virtual bool SaveLayout(int key);
  bool CheckDataSet();
  // The data set's sort as the title markers make it.
  QString SortText() const { return markers_.SortText(); }

  virtual void ExportToExcel() {}
  virtual void ExportToHtml() {}
  virtual void SaveToExcelClick();
  virtual void SaveToHtmlClick();
  virtual void SaveLayoutClick();
  virtual void PickColumnsClick();
  void SortClick();
  void FilterClick();
  void ExportClick();
  void BatchUpdateClick();
  // Drops the context menu below the control.
  void PopupButtonClick(QWidget* sender);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void TitleClick(int column);
  void MoveToColumn(int step);
  void FollowCurrentRow(int row);

  TDataSetModel* model_;
  TqdPopupMenu* popupMenu_;
  TGridActions actions_;
  TGridColumns columns_;
  TSortMarkers markers_;
  QString layoutBeforeRebuild_;
  int layoutId_ = 0;
  bool following_ = false;
};
