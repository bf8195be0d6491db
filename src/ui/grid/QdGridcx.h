#pragma once

#include <QTableView>
#include <QWidget>
#include <functional>

#include "ui/grid/GridCommands.h"

class TDataSet;
class TDataSetModel;
class TField;
class TGridCursor;
class TGridDelegate;
class TGridFooter;
class TqdPopupMenu;

// The grid of every list window, editor and picker: a table view over a data set with one
// column per visible field, a column layout kept in the database under the grid's key (Tag),
// cream even rows, numbered rows, footer sums, the shared grid commands and event relays. Fields
// missing from a stored layout stay hidden. The relays run as window commands: an error in a
// handler is shown and goes no further.
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
  TqdPopupMenu* PopupMenuQd() const { return commands_->PopupMenuQd(); }
  QTableView* View() const { return view_; }
  // The actions, the layout and the commands this grid shares with TqdDBGrid.
  TGridCommands& Commands() const { return *commands_; }
  TGridColumns& Columns() const { return commands_->Columns(); }
  // The layout key.
  int Tag = 0;

  TNotifyEvent OnDblClick;
  TGridSelectEvent OnSelectChanged;
  TNotifyEvent OnEditChanged;
  TGridCellClickEvent OnCellClick;
  TGridCellClickEvent OnCellDblClick;

  int SelectedCount() const;
  int RowCount() const;
  void RebuildColumns(bool visible);

  // Narrows the data set to rows whose text fields contain the text; empty shows all rows.
  void QuickFilter(const QString& text);
  void AddFooterSum(TField* field);
  // A footer sum's value; Null when the grid has no rows.
  QVariant FooterSum(int item) const;
  TGridFooter* Footer() const { return footer_; }
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

  TDataSetModel* model_;
  QTableView* view_;
  TGridDelegate* delegate_;
  TGridFooter* footer_;
  TGridCommands* commands_;
  TGridCursor* cursor_;
};
