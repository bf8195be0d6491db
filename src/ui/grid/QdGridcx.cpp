#include "ui/grid/QdGridcx.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QVBoxLayout>

#include "core/base/MessageBox.h"
#include "core/db/DataSet.h"
#include "core/grid/LayoutStore.h"
#include "core/operators/Rights.h"
#include "ui/controls/QdPopupMenu.h"
#include "ui/grid/DataSetModel.h"
#include "ui/grid/GridDelegate.h"
#include "ui/grid/GridFooter.h"

namespace {

constexpr int kIndicatorWidth = 30;
const QColor kCream(0xff, 0xfb, 0xf0);

int FirstVisibleColumn(const QTableView* view) {
  const QHeaderView* header = view->horizontalHeader();
  for (int position = 0; position < header->count(); ++position) {
    const int column = header->logicalIndex(position);
    if (!header->isSectionHidden(column)) return column;
  }
  return 0;
}

}  // namespace

TqdGridcx::TqdGridcx(QWidget* parent)
    : QWidget(parent),
      model_(new TDataSetModel(this)),
      view_(new QTableView(this)),
      delegate_(new TGridDelegate(this)),
      footer_(nullptr),
      popupMenu_(new TqdPopupMenu(this)),
      actions_(TGridActions::Create(this)),
      columns_(view_, model_) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(view_, 1);
  footer_ = new TGridFooter(view_, model_, this);
  footer_->hide();
  layout->addWidget(footer_);

  view_->setModel(model_);
  view_->setItemDelegate(delegate_);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setSelectionBehavior(QAbstractItemView::SelectItems);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSortingEnabled(false);
  view_->setWordWrap(false);
  view_->setTextElideMode(Qt::ElideRight);
  view_->verticalHeader()->setMinimumWidth(kIndicatorWidth);
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  view_->horizontalHeader()->setSectionsMovable(true);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  // The indicator's header cell reads "NO".
  if (auto* corner = view_->findChild<QAbstractButton*>()) corner->installEventFilter(this);
  delegate_->SetDrawHook([this](QStyleOptionViewItem& option, const QModelIndex& index) {
    CustomDrawCell(option, index);
  });

  actions_.FillMenu(popupMenu_);
  connect(actions_.Sort, &QAction::triggered, this, [this] { SortClick(); });
  connect(actions_.ColVisible, &QAction::triggered, this, [this] { PickColumnsClick(); });
  connect(actions_.TableStyleSave, &QAction::triggered, this, [this] { SaveLayoutClick(); });
  connect(actions_.Export2Excel, &QAction::triggered, this, [this] { SaveToExcelClick(); });
  connect(actions_.Export2Html, &QAction::triggered, this, [this] { SaveToHtmlClick(); });
  connect(actions_.Export, &QAction::triggered, this, [this] { ExportClick(); });
  ConnectView();
}

TqdGridcx::~TqdGridcx() = default;

void TqdGridcx::ConnectView() {
  connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
    popupMenu_->popup(view_->viewport()->mapToGlobal(position));
  });
  connect(view_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    if (OnCellClick) OnCellClick(model_->FieldOf(index.column()));
  });
  connect(view_, &QAbstractItemView::doubleClicked, this, [this] {
    if (OnDblClick) OnDblClick(this);
    if (OnCellDblClick) OnCellDblClick(model_->FieldOf(view_->currentIndex().column()));
  });
  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { ViewRowChanged(current); });
  connect(delegate_, &TGridDelegate::EditTextChanged, this, [this](const QModelIndex& index) {
    if (index.column() == view_->currentIndex().column() && OnEditChanged) OnEditChanged(this);
  });
  connect(model_, &TDataSetModel::CurrentRowChanged, this, &TqdGridcx::FollowCurrentRow);
  connect(model_, &TDataSetModel::ColumnsAboutToBeRebuilt, this,
          [this] { layoutBeforeRebuild_ = Layout(); });
  connect(model_, &TDataSetModel::ColumnsRebuilt, this,
          [this] { SetLayout(layoutBeforeRebuild_); });
}

TqdGridcx* TqdGridcx::CreateWithLayout(QWidget*, int layoutKey, TDataSet* dataSet,
                                       QWidget* parent) {
  auto* grid = new TqdGridcx(parent);
  if (!parent->layout()) {
    auto* fill = new QVBoxLayout(parent);
    fill->setContentsMargins(0, 0, 0, 0);
  }
  parent->layout()->addWidget(grid);
  grid->SetDataSet(dataSet);
  grid->Tag = layoutKey;
  grid->LoadLayout(layoutKey);
  return grid;
}

TDataSet* TqdGridcx::DataSet() const {
  return model_->DataSet();
}

void TqdGridcx::SetDataSet(TDataSet* dataSet) {
  model_->SetDataSet(dataSet);
  columns_.Rebuild(true);
  FollowCurrentRow(model_->CurrentRow());
}

int TqdGridcx::SelectedCount() const {
  return static_cast<int>(view_->selectionModel()->selectedRows().size());
}

int TqdGridcx::RowCount() const {
  return model_->rowCount();
}

void TqdGridcx::SetLayout(const QString& layout) {
  columns_.SetLayoutText(layout, false);
  FollowCurrentRow(model_->CurrentRow());
}

void TqdGridcx::RebuildColumns(bool visible) {
  columns_.Rebuild(visible);
}

bool TqdGridcx::LoadLayout(int key) {
  bool found = false;
  SetLayout(TLayoutStore::Load(key, &found));
  return found;
}

bool TqdGridcx::SaveLayout(int key) {
  return TLayoutStore::Save(key, Layout());
}

bool TqdGridcx::CheckDataSet() {
  if (!DataSet()) {
    ShowInfo(QStringLiteral("系统错误: 没有为TqdGridcx.DataSource指定DataSet对象,请与作者联系!"));
    return false;
  }
  if (!DataSet()->Active()) {
    ShowInfo(QStringLiteral("系统提示: 请先打开数据再操作!"));
    return false;
  }
  return true;
}

void TqdGridcx::SortClick() {
  // The sort dialog is not part of the program yet.
  CheckDataSet();
}

void TqdGridcx::PickColumnsClick() {
  // The column dialog is not part of the program yet.
  CheckOperatorRight(kRightChooseColumns);
}

void TqdGridcx::SaveLayoutClick() {
  if (!CheckOperatorRight(kRightSaveColumnLayout)) return;
  if (SaveLayout(Tag)) ShowInfo(QStringLiteral("列样式保存成功."));
}

void TqdGridcx::SaveToExcelClick() {
  // The Excel export is not part of the program yet.
  CheckOperatorRight(kRightExport);
}

void TqdGridcx::SaveToHtmlClick() {
  // The HTML export is not part of the program yet.
  CheckOperatorRight(kRightExport);
}

void TqdGridcx::ExportClick() {
  // The export wizard is not part of the program yet.
  CheckOperatorRight(kRightExport);
}

void TqdGridcx::BatchUpdateClick() {
  if (!CheckDataSet()) return;
  if (!BatchProc) {
    ShowInfo(QStringLiteral("没有指定BatchUpdate更新过程, 操作被取消."));
    return;
  }
  // The batch update dialog is not part of the program yet.
}

void TqdGridcx::QuickFilter(const QString& text) {
  TDataSet* dataSet = DataSet();
  if (!dataSet || !dataSet->Active()) return;
  QStringList conditions;
  if (!text.isEmpty()) {
    for (int i = 0; i < dataSet->FieldCount(); ++i) {
      const TField* field = dataSet->Field(i);
      const bool textField =
          field->DataType() == TFieldType::String || field->DataType() == TFieldType::WideString;
      if (textField && !field->Calculated()) conditions << FilterContains(field->FieldName(), text);
    }
  }
  const QString condition = conditions.join(QStringLiteral(" or "));
  dataSet->SetFilter(condition);
  dataSet->SetFiltered(!condition.isEmpty());
}

void TqdGridcx::AddFooterSum(TField* field) {
  if (!field) return;
  footer_->AddSum(field->FieldName());
  footer_->show();
}

QVariant TqdGridcx::FooterSum(int item) const {
  return footer_->Sum(item);
}

void TqdGridcx::SetColumnEditable(TField* field, bool focusable) {
  if (!field) return;
  model_->SetColumnText(model_->ColumnOf(field->FieldName()), focusable);
}

void TqdGridcx::SetEditing(bool editing) {
  model_->SetEditing(editing);
  view_->setEditTriggers(
      editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
              : QAbstractItemView::NoEditTriggers);
}

void TqdGridcx::SetCellSelect(bool on) {
  view_->setSelectionBehavior(on ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
}

void TqdGridcx::CustomDrawCell(QStyleOptionViewItem& option, const QModelIndex& index) {
  if (option.state & QStyle::State_Selected) return;
  if (index.row() % 2 == 0) option.backgroundBrush = kCream;
}

void TqdGridcx::FollowCurrentRow(int row) {
  if (following_) return;
  const QModelIndex current = view_->currentIndex();
  if (row < 0) {
    if (current.isValid()) {
      following_ = true;
      view_->selectionModel()->clearCurrentIndex();
      following_ = false;
    }
    return;
  }
  if (current.isValid() && current.row() == row) return;
  int column = current.isValid() ? current.column() : -1;
  if (column < 0 || view_->isColumnHidden(column)) column = FirstVisibleColumn(view_);
  following_ = true;
  view_->setCurrentIndex(model_->index(row, column));
  following_ = false;
}

void TqdGridcx::ViewRowChanged(const QModelIndex& current) {
  TDataSet* dataSet = DataSet();
  if (!following_ && current.isValid() && dataSet && dataSet->Active() &&
      dataSet->RecNo() - 1 != current.row()) {
    following_ = true;
    try {
      dataSet->SetRecNo(current.row() + 1);
    } catch (...) {
      following_ = false;
      throw;
    }
    following_ = false;
  }
  if (OnSelectChanged) OnSelectChanged(current.isValid() && current.row() < model_->rowCount());
}

bool TqdGridcx::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Paint) return QWidget::eventFilter(watched, event);
  auto* corner = static_cast<QWidget*>(watched);
  QPainter painter(corner);
  QStyleOptionHeader option;
  option.initFrom(corner);
  option.rect = corner->rect();
  option.text = QStringLiteral("NO");
  option.textAlignment = Qt::AlignCenter;
  option.position = QStyleOptionHeader::OnlyOneSection;
  corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
  return true;
}
