#include "ui/grid/GridColumns.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTableView>
#include <algorithm>

#include "ui/grid/DataSetModel.h"

namespace {

// Rows measured when the view does not know its height yet.
constexpr int kMinMeasuredRows = 40;
constexpr int kMinWidth = 24;

// Marks the changes the columns make themselves, as against the operator's.
class TOwnChange {
 public:
  explicit TOwnChange(int& count) : count_(count) { ++count_; }
  ~TOwnChange() { --count_; }
  TOwnChange(const TOwnChange&) = delete;
  TOwnChange& operator=(const TOwnChange&) = delete;

 private:
  int& count_;
};

}  // namespace

TGridColumns::TGridColumns(QTableView* view, TDataSetModel* model, bool showsUnlistedFields)
    : view_(view), model_(model), showsUnlisted_(showsUnlistedFields) {
  connect(view->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
    if (ownChanges_ == 0) arranged_ = true;
  });
  connect(model, &QAbstractItemModel::rowsInserted, this, &TGridColumns::FitToContents);
  connect(model, &QAbstractItemModel::modelReset, this, &TGridColumns::FitToContents);
  connect(model, &QAbstractItemModel::dataChanged, this, &TGridColumns::FitToContents);
  connect(model, &TDataSetModel::ColumnsAboutToBeRebuilt, this,
          [this] { layoutBeforeRebuild_ = LayoutText(); });
  connect(model, &TDataSetModel::ColumnsRebuilt, this, &TGridColumns::RestoreAfterRebuild);
}

int TGridColumns::DefaultWidth(int column) const {
  const QHeaderView* header = view_->horizontalHeader();
  QStyleOptionHeader caption;
  caption.initFrom(header);
  caption.section = column;
  caption.text = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  const int captionWidth =
      header->style()
          ->sizeFromContents(QStyle::CT_HeaderSection, &caption, QSize(), header)
          .width();

  const int rowHeight = std::max(1, view_->verticalHeader()->defaultSectionSize());
  const int top = std::max(0, view_->rowAt(0));
  const int screenful = std::max(kMinMeasuredRows, view_->viewport()->height() / rowHeight + 1);
  const int last = std::min(model_->rowCount(), top + screenful);
  int values = 0;
  for (int row = top; row < last && values < kMaxFitWidth; ++row)
    values = std::max(values, view_->sizeHintForIndex(model_->index(row, column)).width());
  const int grid = view_->showGrid() ? 1 : 0;
  const int extra = extraWidths_ ? extraWidths_(column) : 0;
  return std::max({captionWidth, std::min(values + grid, kMaxFitWidth), extra, kMinWidth});
}

void TGridColumns::Rebuild(bool visible) {
  const TOwnChange own(ownChanges_);
  model_->RebuildColumns();
  hiddenWidths_.clear();
  filled_ = model_->rowCount() > 0;
  QHeaderView* header = view_->horizontalHeader();
  for (int column = 0; column < model_->columnCount(); ++column) {
    // The header keeps its moved sections through a model reset: back to field order.
    header->moveSection(header->visualIndex(column), column);
    header->showSection(column);
    header->resizeSection(column, DefaultWidth(column));
    SetVisible(column, visible);
  }
}

void TGridColumns::FitToContents() {
  // A rebuild measures the rows it finds itself.
  if (ownChanges_ > 0 || model_->rowCount() == 0) return;
  const bool first = !filled_;
  filled_ = true;
  if (!FitsContents()) return;
  // Later rows only widen a column, so that nothing is cut and nothing jumps back and forth.
  const TOwnChange own(ownChanges_);
  for (int column = 0; column < model_->columnCount(); ++column) {
    const int width = DefaultWidth(column);
    if (first || width > Width(column)) Resize(column, width);
  }
}

bool TGridColumns::IsVisible(int column) const {
  return !view_->horizontalHeader()->isSectionHidden(column);
}

void TGridColumns::SetVisible(int column, bool visible) {
  if (visible == IsVisible(column)) return;
  const TOwnChange own(ownChanges_);
  QHeaderView* header = view_->horizontalHeader();
  if (visible) {
    header->showSection(column);
    header->resizeSection(column, hiddenWidths_.take(column));
  } else {
    hiddenWidths_[column] = header->sectionSize(column);
    header->hideSection(column);
  }
}

int TGridColumns::Width(int column) const {
  return IsVisible(column) ? view_->horizontalHeader()->sectionSize(column)
                           : hiddenWidths_.value(column);
}

void TGridColumns::SetWidth(int column, int width) {
  arranged_ = true;
  Resize(column, width);
}

void TGridColumns::Resize(int column, int width) {
  if (IsVisible(column))
    view_->horizontalHeader()->resizeSection(column, width);
  else
    hiddenWidths_[column] = width;
}

int TGridColumns::FirstVisible() const {
  const QHeaderView* header = view_->horizontalHeader();
  for (int position = 0; position < header->count(); ++position) {
    const int column = header->logicalIndex(position);
    if (!header->isSectionHidden(column)) return column;
  }
  return -1;
}

QList<TGridColumn> TGridColumns::Columns() const {
  QList<TGridColumn> columns;
  const QHeaderView* header = view_->horizontalHeader();
  for (int position = 0; position < header->count(); ++position) {
    const int column = header->logicalIndex(position);
    columns.append({model_->FieldNameOf(column), IsVisible(column), Width(column)});
  }
  return columns;
}

void TGridColumns::SetColumns(const QList<TGridColumn>& columns) {
  const TOwnChange own(ownChanges_);
  QHeaderView* header = view_->horizontalHeader();
  for (int position = 0; position < columns.size(); ++position) {
    const int column = model_->ColumnOf(columns[position].FieldName);
    if (column < 0) continue;
    header->moveSection(header->visualIndex(column), position);
    SetVisible(column, columns[position].Visible);
    Resize(column, columns[position].Width);
  }
}

void TGridColumns::SetLayoutText(const QString& text) {
  layoutStored_ = !text.isEmpty();
  arranged_ = false;
  ApplyText(text);
  emit Arranged();
}

void TGridColumns::ApplyText(const QString& text) {
  const TOwnChange own(ownChanges_);
  if (text.isEmpty()) {
    Rebuild(true);
    ApplyPreferredOrder();
    return;
  }
  Rebuild(showsUnlisted_);
  QList<TGridColumn> columns = Columns();
  TGridLayout::Apply(text, columns);
  SetColumns(columns);
}

void TGridColumns::RestoreAfterRebuild() {
  // Columns that still follow their contents start afresh; a stored or arranged layout is kept.
  ApplyText(FitsContents() ? QString() : layoutBeforeRebuild_);
  emit Arranged();
}

void TGridColumns::SetPreferredOrder(const QStringList& fieldNames) {
  preferred_ = fieldNames;
  if (layoutStored_) return;
  ApplyPreferredOrder();
  emit Arranged();
}

void TGridColumns::ApplyPreferredOrder() {
  QHeaderView* header = view_->horizontalHeader();
  int position = 0;
  for (const QString& name : preferred_) {
    const int column = model_->ColumnOf(name);
    if (column < 0) continue;
    header->moveSection(header->visualIndex(column), position++);
  }
}
