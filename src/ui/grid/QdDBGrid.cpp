#include "ui/grid/QdDBGrid.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>

#include "core/base/MessageBox.h"
#include "core/db/DataSet.h"
#include "core/grid/LayoutStore.h"
#include "core/operators/Rights.h"
#include "ui/controls/QdPopupMenu.h"
#include "ui/grid/DataSetModel.h"

namespace {
constexpr int kTitleHeight = 20;
constexpr int kRowHeight = 16;
}  // namespace

TqdDBGrid::TqdDBGrid(QWidget* parent)
    : QTableView(parent),
      model_(new TDataSetModel(this)),
      popupMenu_(new TqdPopupMenu(this)),
      actions_(TGridActions::Create(this)),
      columns_(this, model_) {
  model_->SetRowNumbers(false);
  model_->SetCheckBoxes(false);
  setModel(model_);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setCornerButtonEnabled(false);
  setFrameShape(QFrame::StyledPanel);
  horizontalHeader()->setMinimumHeight(kTitleHeight);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setSectionsMovable(true);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(std::max(kRowHeight, fontMetrics().height() + 2));
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setContextMenuPolicy(Qt::CustomContextMenu);

  actions_.FillMenu(popupMenu_);
  connect(actions_.Sort, &QAction::triggered, this, &TqdDBGrid::SortClick);
  connect(actions_.ColVisible, &QAction::triggered, this, [this] { PickColumnsClick(); });
  connect(actions_.TableStyleSave, &QAction::triggered, this, [this] { SaveLayoutClick(); });
  connect(actions_.Export2Excel, &QAction::triggered, this, [this] { SaveToExcelClick(); });
  connect(actions_.Export2Html, &QAction::triggered, this, [this] { SaveToHtmlClick(); });
  connect(actions_.Export, &QAction::triggered, this, &TqdDBGrid::ExportClick);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& position) { popupMenu_->popup(viewport()->mapToGlobal(position)); });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TqdDBGrid::TitleClick);
  connect(model_, &TDataSetModel::CurrentRowChanged, this, &TqdDBGrid::FollowCurrentRow);
  connect(model_, &TDataSetModel::ColumnsAboutToBeRebuilt, this,
          [this] { layoutBeforeRebuild_ = Layout(); });
  connect(model_, &TDataSetModel::ColumnsRebuilt, this, [this] {
    markers_.Clear();
    SetLayout(layoutBeforeRebuild_);
  });
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            TDataSet* dataSet = DataSet();
            if (following_ || !current.isValid() || !dataSet || !dataSet->Active()) return;
            if (dataSet->RecNo() - 1 != current.row()) dataSet->SetRecNo(current.row() + 1);
          });
}

void TqdDBGrid::SetLayoutId(int layoutId) {
  layoutId_ = layoutId;
  LoadLayout(LayoutKey());
}

TDataSet* TqdDBGrid::DataSet() const {
  return model_->DataSet();
}

void TqdDBGrid::SetDataSet(TDataSet* dataSet) {
  model_->SetDataSet(dataSet);
  markers_.Clear();
  RebuildColumns();
  FollowCurrentRow(model_->CurrentRow());
}

void TqdDBGrid::RebuildColumns() {
  columns_.Rebuild(true);
}

void TqdDBGrid::SetLayout(const QString& layout) {
  columns_.SetLayoutText(layout, true);
  FollowCurrentRow(model_->CurrentRow());
}

bool TqdDBGrid::LoadLayout(int key) {
  bool found = false;
  SetLayout(TLayoutStore::Load(key, &found));
  return found;
}

bool TqdDBGrid::SaveLayout(int key) {
  return TLayoutStore::Save(key, Layout());
}

bool TqdDBGrid::CheckDataSet() {
  if (!DataSet()) {
    ShowInfo(QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!"));
    return false;
  }
  if (!DataSet()->Active()) {
    ShowInfo(QStringLiteral("系统提示: 请先打开数据再操作!"));
    return false;
  }
  return true;
}

void TqdDBGrid::SaveToExcelClick() {
  // The Excel export is not part of the program yet.
  CheckOperatorRight(kRightExport);
}

void TqdDBGrid::SaveToHtmlClick() {
  // The HTML export is not part of the program yet.
  CheckOperatorRight(kRightExport);
}

void TqdDBGrid::SaveLayoutClick() {
  if (!CheckOperatorRight(kRightSaveColumnLayout)) return;
  SaveLayout(LayoutKey());
  ShowInfo(QStringLiteral("列样式保存成功."));
}

void TqdDBGrid::PickColumnsClick() {
  // The column dialog is not part of the program yet.
  CheckOperatorRight(kRightChooseColumns);
}

void TqdDBGrid::SortClick() {
  // The sort dialog is not part of the program yet.
  CheckDataSet();
}

void TqdDBGrid::FilterClick() {
  // The quick-filter dialog is not part of the program yet.
  CheckDataSet();
}

void TqdDBGrid::ExportClick() {
  // The export wizard is not part of the program yet.
  CheckOperatorRight(kRightExport);
}

void TqdDBGrid::BatchUpdateClick() {
  if (!DataSet()) {
    ShowInfo(QStringLiteral("没有指定数据集DataSet, 操作被取消."));
    return;
  }
  if (!BatchProc) {
    ShowInfo(QStringLiteral("没有指定更新过程BatchProc, 操作被取消."));
    return;
  }
  // The batch update dialog is not part of the program yet.
}

void TqdDBGrid::PopupButtonClick(QWidget* sender) {
  if (sender) popupMenu_->popup(sender->mapToGlobal(QPoint(0, sender->height())));
}

void TqdDBGrid::TitleClick(int column) {
  TDataSet* dataSet = DataSet();
  const TField* field = model_->FieldOf(column);
  if (!dataSet || !dataSet->Active() || !field || field->Calculated()) return;
  const TSortMarkers::TMarker marker = markers_.Click(field->FieldName());
  static const QString kSuffixes[] = {QString(), QStringLiteral(" ▲"), QStringLiteral(" ▼")};
  model_->SetHeaderSuffix(column, kSuffixes[marker]);
  dataSet->SetSort(markers_.SortText());
}

void TqdDBGrid::MoveToColumn(int step) {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return;
  const QHeaderView* header = horizontalHeader();
  for (int position = header->visualIndex(current.column()) + step;
       position >= 0 && position < header->count(); position += step) {
    const int column = header->logicalIndex(position);
    if (header->isSectionHidden(column)) continue;
    setCurrentIndex(model_->index(current.row(), column));
    return;
  }
}

void TqdDBGrid::keyPressEvent(QKeyEvent* event) {
  TDataSet* dataSet = DataSet();
  const bool open = dataSet && dataSet->Active();
  switch (event->key()) {
    case Qt::Key_Left:
      MoveToColumn(-1);
      break;
    case Qt::Key_Right:
      MoveToColumn(1);
      break;
    case Qt::Key_Up:
      if (open) dataSet->Prior();
      break;
    case Qt::Key_Down:
      if (open) dataSet->Next();
      break;
    default:
      break;
  }
  if (OnKeyDown) OnKeyDown(event);
  event->accept();
}

void TqdDBGrid::FollowCurrentRow(int row) {
  if (row < 0) return;
  const QModelIndex current = currentIndex();
  if (current.isValid() && current.row() == row) return;
  int column = current.isValid() ? current.column() : -1;
  const QHeaderView* header = horizontalHeader();
  for (int position = 0; column < 0 && position < header->count(); ++position)
    if (!header->isSectionHidden(header->logicalIndex(position)))
      column = header->logicalIndex(position);
  following_ = true;
  selectionModel()->setCurrentIndex(
      model_->index(row, std::max(column, 0)),
      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  following_ = false;
}
