#include "grid/GridColumns.h"

#include <QHeaderView>
#include <QTableView>

#include "grid/DataSetModel.h"

namespace {
constexpr int kCellPadding = 8;
}

int TGridColumns::DefaultWidth(int column) const {
  const TField* field = model_->FieldOf(column);
  const int characters = field ? field->DisplayWidth() : 10;
  return characters * view_->fontMetrics().horizontalAdvance(QLatin1Char('0')) + kCellPadding;
}

void TGridColumns::Rebuild(bool visible) {
  model_->RebuildColumns();
  hiddenWidths_.clear();
  for (int column = 0; column < model_->columnCount(); ++column) {
    view_->horizontalHeader()->showSection(column);
    SetWidth(column, DefaultWidth(column));
    SetVisible(column, visible);
  }
}

bool TGridColumns::IsVisible(int column) const {
  return !view_->horizontalHeader()->isSectionHidden(column);
}

void TGridColumns::SetVisible(int column, bool visible) {
  if (visible == IsVisible(column)) return;
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
  if (IsVisible(column))
    view_->horizontalHeader()->resizeSection(column, width);
  else
    hiddenWidths_[column] = width;
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
  QHeaderView* header = view_->horizontalHeader();
  for (int position = 0; position < columns.size(); ++position) {
    const int column = model_->ColumnOf(columns[position].FieldName);
    if (column < 0) continue;
    header->moveSection(header->visualIndex(column), position);
    SetVisible(column, columns[position].Visible);
    SetWidth(column, columns[position].Width);
  }
}

void TGridColumns::SetLayoutText(const QString& text, bool newColumnsVisible) {
  Rebuild(text.isEmpty() || newColumnsVisible);
  if (text.isEmpty()) return;
  QList<TGridColumn> columns = Columns();
  TGridLayout::Apply(text, columns);
  SetColumns(columns);
}
