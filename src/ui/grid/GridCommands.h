#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "ui/grid/GridColumns.h"

class QAction;
class QTableView;
class QWidget;
class TDataSet;
class TDataSetModel;
class TqdPopupMenu;

// Where the two grids differ in the commands they share.
struct TGridManner {
  // Fields without a line in a stored layout are shown (else hidden).
  bool ShowsUnlistedFields = false;
  // Saving the layout reports success after every save that raised no error, not only after a
  // save that wrote its one row.
  bool ReportsEverySave = false;
  // What CheckDataSet says when no data set is bound.
  QString NoDataSetText;
  // What the batch update says without a data set; empty: it runs CheckDataSet instead.
  QString BatchNoDataSetText;
  // What the batch update says without a BatchProc.
  QString BatchNoProcText;
};

// The columns and commands of a grid: its six actions and the context menu made of them, the
// column layout kept in the database under the grid's key, the operator's rights for exporting,
// saving the layout and choosing columns, and the check that a data set is there and open.
// Every action runs as a window command, so no error escapes into the toolkit.
class TGridCommands : public QObject {
  Q_OBJECT
 public:
  // layoutKey tells the key the layout is saved under when the operator saves it.
  TGridCommands(QWidget* grid, QTableView* view, TDataSetModel* model, TGridManner manner,
                std::function<int()> layoutKey);

  TGridColumns& Columns() { return columns_; }
  const TGridColumns& Columns() const { return columns_; }
  TqdPopupMenu* PopupMenuQd() const { return popupMenu_; }
  TDataSet* DataSet() const;
  // Called after each row of a batch update.
  std::function<void()> BatchProc;

  // "导出", "导出到Excel文档", "导出到Html网页文件", "列选择", "保存表格样式", "排序". The
  // sort, column and export dialogs are not part of the program yet, so their commands stay
  // disabled.
  QAction* ActionExport() const { return export_; }
  QAction* ActionExport2Excel() const { return export2Excel_; }
  QAction* ActionExport2Html() const { return export2Html_; }
  QAction* ActionColVisible() const { return colVisible_; }
  QAction* ActionTableStyleSave() const { return tableStyleSave_; }
  QAction* ActionSort() const { return sort_; }

  // The layout string of the columns as they are now.
  QString Layout() const { return columns_.LayoutText(); }
  void SetLayout(const QString& layout) { columns_.SetLayoutText(layout); }
  // Applies the layout stored under the key; true when a row was stored.
  bool LoadLayout(int key);
  // Stores the current layout under the key; true when exactly one row was written.
  bool SaveLayout(int key);
  // True when a data set is bound and open; otherwise tells the operator.
  bool CheckDataSet();

  void SortClick();
  void PickColumnsClick();
  void SaveLayoutClick();
  void SaveToExcelClick();
  void SaveToHtmlClick();
  void ExportClick();
  void BatchUpdateClick();
  // Drops the context menu below the control.
  void PopupBelow(QWidget* control);

 private:
  QAction* NewAction(const QString& caption, const char* name, bool enabled,
                     void (TGridCommands::*command)());

  QWidget* grid_;
  TDataSetModel* model_;
  TGridManner manner_;
  std::function<int()> layoutKey_;
  TGridColumns columns_;
  TqdPopupMenu* popupMenu_;
  QAction* export_;
  QAction* export2Excel_;
  QAction* export2Html_;
  QAction* colVisible_;
  QAction* tableStyleSave_;
  QAction* sort_;
};
