#pragma once

#include <QTableView>
#include <QWidget>
#include <functional>

#include "ui/grid/GridActions.h"
#include "ui/grid/GridColumns.h"

class TDataSet;
class TDataSetModel;
class TField;
class TGridDelegate;
class TGridFooter;
class TqdPopupMenu;

// The grid of every list window, editor and picker: a table view over a data set with one
// column per visible field, a column layout kept in the database under the grid's key (Tag),
// cream even rows, numbered rows, footer sums, a context menu of its own and event relays.
// Fields missing from a stored layout stay hidden.
class TqdGridcx : public QWidget {
  Q_OBJECT
 public:
  using TNotifyEvent = std::function<void(QObject* sender)>;
  using TGridSelectEvent = std::function<void(bool selected)>;
  using TGridCellClickEvent = std::function<void(TField* field)>;

  explicit TqdGridcx(QWidget* parent = nullptr);
  ~TqdGridcx() override;

  // Builds the grid on the parent, filling it, bound to the data set with the layout stored
  // under the key.
  static TqdGridcx* CreateWithLayout(QWidget* owner, int layoutKey, TDataSet* dataSet,
                                     QWidget* parent);

  TDataSet* DataSet() const;
  void SetDataSet(TDataSet* dataSet);
  TDataSetModel* DataSource() const { return model_; }
  TqdPopupMenu* PopupMenuQd() const { return popupMenu_; }
  QTableView* View() const { return view_; }
  TGridColumns& Columns() { return columns_; }
  // The layout key.
  int Tag = 0;

  TNotifyEvent OnDblClick;
  TGridSelectEvent OnSelectChanged;
  TNotifyEvent OnEditChanged;
  TGridCellClickEvent OnCellClick;
  TGridCellClickEvent OnCellDblClick;
  // Called after each row of a batch update.
  std::function<void()> BatchProc;

  int SelectedCount() const;
  int RowCount() const;
  QString Layout() const { return columns_.LayoutText(); }
  void SetLayout(const QString& layout);

  QAction* ActionExport() const { return actions_.Export; }
  QAction* ActionExport2Excel() const { return actions_.Export2Excel; }
  QAction* ActionExport2Html() const { return actions_.Export2Html; }
  QAction* ActionColVisible() const { return actions_.ColVisible; }
  QAction* ActionTableStyleSave() const { return actions_.TableStyleSave; }
  QAction* ActionSort() const { return actions_.Sort; }

  void RebuildColumns(bool visible);
  // Applies the layout stored under the key; true when one was stored.
  bool LoadLayout(int key);
  // Stores the current layout under the key; true when exactly one row was written.
  virtual bool SaveLayout(int key);
  // True when a data set is bound and open; otherwise tells the operator.
  bool CheckDataSet();

  virtual void SortClick();
  virtual void PickColumnsClick();
  virtual void SaveLayoutClick();
  virtual void SaveToExcelClick();
  virtual void SaveToHtmlClick();
  void ExportClick();
  void BatchUpdateClick();

  // Narrows the data set to rows whose text fields contain the text; empty shows all rows.
  void QuickFilter(const QString& text);
  void AddFooterSum(TField* field);
  // A footer sum's value; Null when the grid has no rows.
  QVariant FooterSum(int item) const;
  // Shows the field's column as text in a plain editor; focusable tells whether it takes edits.
  void SetColumnEditable(TField* field, bool focusable);
  // Whether cells may be edited at all (off by default).
  void SetEditing(bool editing);
  // Single cells take the focus (on by default), else whole rows.
  void SetCellSelect(bool on);

 protected:
  // Changes a cell's look before it is painted: even rows get a cream background.
  virtual void CustomDrawCell(QStyleOptionViewItem& option, const QModelIndex& index);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectView();
  void FollowCurrentRow(int row);
  void ViewRowChanged(const QModelIndex& current);

  TDataSetModel* model_;
  QTableView* view_;
  TGridDelegate* delegate_;
  TGridFooter* footer_;
  TqdPopupMenu* popupMenu_;
  TGridActions actions_;
  TGridColumns columns_;
  QString layoutBeforeRebuild_;
  bool following_ = false;
};
