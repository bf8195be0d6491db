#include "ui/grid/GridColumns.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

#include "ui/grid/DataSetModel.h"

namespace {
constexpr int kCellPadding = 8;
// A long text field (50 characters and more) starts narrower; the operator widens it and saves
// the layout where that matters.
constexpr int kMaxDefaultCharacters = 24;
}  // namespace

int TGridColumns::DefaultWidth(int column) const {
  const TField* field = model_->FieldOf(column);
  const int characters = std::min(field ? field->DisplayWidth() : 10, kMaxDefaultCharacters);
  const QFontMetrics metrics = view_->fontMetrics();
  const int caption = field ? metrics.horizontalAdvance(field->DisplayLabel()) : 0;
  return std::max(characters * metrics.horizontalAdvance(QLatin1Char('0')), caption) + kCellPadding;
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
