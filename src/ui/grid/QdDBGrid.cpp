#include "ui/grid/QdDBGrid.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "core/base/Command.h"
#include "core/db/DataSet.h"
#include "ui/grid/DataSetModel.h"
#include "ui/grid/GridCursor.h"

namespace {

constexpr int kTitleHeight = 20;
constexpr int kRowHeight = 16;

const TGridManner kManner{
    .ShowsUnlistedFields = true,
    .ReportsEverySave = true,
    .NoDataSetText =
        QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!"),
    .BatchNoDataSetText = QStringLiteral("没有指定数据集DataSet, 操作被取消."),
    .BatchNoProcText = QStringLiteral("没有指定更新过程BatchProc, 操作被取消.")};

}  // namespace

TqdDBGrid::TqdDBGrid(QWidget* parent)
    : QTableView(parent),
      model_(new TDataSetModel(this)),
      commands_(new TGridCommands(this, this, model_, kManner, [this] { return LayoutKey(); })),
      cursor_(nullptr) {
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

  cursor_ = new TGridCursor(this, model_, &Columns());
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int column) { RunCommand([&] { TitleClick(column); }); });
  // A rebuild of the columns drops the markers from the captions: show them again.
  connect(&Columns(), &TGridColumns::Arranged, this, &TqdDBGrid::ShowMarkers);
}

void TqdDBGrid::SetLayoutId(int layoutId) {
  layoutId_ = layoutId;
  commands_->LoadLayout(LayoutKey());
}

TDataSet* TqdDBGrid::DataSet() const {
  return model_->DataSet();
}

void TqdDBGrid::SetDataSet(TDataSet* dataSet) {
  markers_.Clear();
  model_->SetDataSet(dataSet);
  Columns().SetLayoutText(QString());
}

void TqdDBGrid::RebuildColumns() {
  Columns().Rebuild(true);
  ShowMarkers();
}

void TqdDBGrid::FilterClick() {
  // The quick-filter dialog is not part of the program yet.
  commands_->CheckDataSet();
}

void TqdDBGrid::TitleClick(int column) {
  TDataSet* dataSet = DataSet();
  const TField* field = model_->FieldOf(column);
  if (!dataSet || !dataSet->Active() || !field || field->Calculated()) return;
  markers_.Click(field->FieldName());
  ShowMarkers();
  dataSet->SetSort(markers_.SortText());
}

void TqdDBGrid::ShowMarkers() {
  static const QString kSuffixes[] = {QString(), QStringLiteral(" ▲"), QStringLiteral(" ▼")};
  for (int column = 0; column < model_->columnCount(); ++column)
    model_->SetHeaderSuffix(column, kSuffixes[markers_.MarkerOf(model_->FieldNameOf(column))]);
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
  RunCommand([this, event] {
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
  });
  event->accept();
}
