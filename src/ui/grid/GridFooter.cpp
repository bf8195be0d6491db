#include "ui/grid/GridFooter.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

#include "core/base/Variants.h"
#include "ui/grid/DataSetModel.h"

TGridFooter::TGridFooter(QTableView* view, TDataSetModel* model, QWidget* parent)
    : QWidget(parent), view_(view), model_(model) {
  const auto refresh = [this] { update(); };
  QHeaderView* header = view->horizontalHeader();
  connect(header, &QHeaderView::sectionResized, this, refresh);
  connect(header, &QHeaderView::sectionMoved, this, refresh);
  connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, refresh);
  connect(model, &QAbstractItemModel::dataChanged, this, refresh);
  connect(model, &QAbstractItemModel::rowsInserted, this, refresh);
  connect(model, &QAbstractItemModel::rowsRemoved, this, refresh);
  connect(model, &QAbstractItemModel::modelReset, this, refresh);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

void TGridFooter::AddSum(const QString& fieldName) {
  sums_ << fieldName;
  update();
}

QVariant TGridFooter::Sum(int item) const {
  const TDataSet* dataSet = model_->DataSet();
  if (item < 0 || item >= sums_.size() || !dataSet || dataSet->IsEmpty()) return {};
  const TField* field = dataSet->FindField(sums_[item]);
  if (!field) return {};
  double sum = 0;
  for (int row = 0; row < dataSet->RecordCount(); ++row)
    sum += VarToFloat(dataSet->ValueAt(row, field->Index()));
  return sum;
}

QString TGridFooter::SumText(int item) const {
  const QVariant sum = Sum(item);
  if (VarIsNull(sum)) return {};
  const TDataSet* dataSet = model_->DataSet();
  const TField* field = dataSet->FindField(sums_[item]);
  if (field && field->DataType() == TFieldType::Integer)
    return QString::number(qRound64(sum.toDouble()));
  QString text = QString::number(sum.toDouble(), 'f', 2);
  while (text.endsWith(u'0')) text.chop(1);
  if (text.endsWith(u'.')) text.chop(1);
  return text == u"-0" ? QStringLiteral("0") : text;
}

QSize TGridFooter::sizeHint() const {
  return {0, fontMetrics().height() + 8};
}

void TGridFooter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, 0, width(), 0);
  painter.setPen(palette().color(QPalette::Text));
  const QHeaderView* header = view_->horizontalHeader();
  // The footer is the view's sibling, not its ancestor: go through global coordinates.
  const int offset = mapFromGlobal(view_->viewport()->mapToGlobal(QPoint(0, 0))).x();
  for (int item = 0; item < sums_.size(); ++item) {
    const int column = model_->ColumnOf(sums_[item]);
    if (column < 0 || header->isSectionHidden(column)) continue;
    const QRect cell(offset + header->sectionViewportPosition(column), 1,
                     header->sectionSize(column) - 4, height() - 1);
    painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, SumText(item));
  }
}
