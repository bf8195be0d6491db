#include "ui/grid/GridFooter.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

#include "core/base/Money.h"
#include "core/base/Variants.h"
#include "ui/grid/DataSetModel.h"

namespace {

TMoney ToMoney(const QVariant& value) {
  if (value.metaType() == QMetaType::fromType<TMoney>()) return value.value<TMoney>();
  return TMoney::FromDouble(VarToFloat(value));
}

}  // namespace

TGridFooter::TGridFooter(QTableView* view, TDataSetModel* model, QWidget* parent)
    : QWidget(parent), view_(view), model_(model) {
  const auto refresh = [this] { update(); };
  QHeaderView* header = view->horizontalHeader();
  connect(header, &QHeaderView::sectionResized, this, refresh);
  connect(header, &QHeaderView::sectionMoved, this, refresh);
  connect(header, &QHeaderView::geometriesChanged, this, refresh);
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
  const int rows = dataSet->RecordCount();
  const auto value = [&](int row) { return dataSet->ValueAt(row, field->Index()); };
  switch (field->DataType()) {
    case TFieldType::Currency: {
      TMoney sum;
      for (int row = 0; row < rows; ++row) sum += ToMoney(value(row));
      return QVariant::fromValue(sum);
    }
    case TFieldType::Integer: {
      qint64 sum = 0;
      for (int row = 0; row < rows; ++row) sum += VarToInt64(value(row));
      return sum;
    }
    default: {
      double sum = 0;
      for (int row = 0; row < rows; ++row) sum += VarToFloat(value(row));
      return sum;
    }
  }
}

QString TGridFooter::SumText(int item) const {
  const QVariant sum = Sum(item);
  if (!sum.isValid()) return {};
  if (sum.metaType() == QMetaType::fromType<TMoney>()) return sum.value<TMoney>().ToString();
  if (sum.metaType() == QMetaType::fromType<qint64>()) return QString::number(sum.toLongLong());
  // A number shown with a fixed format ("0.00") sums in that format, like its cells.
  const QString format = model_->DataSet()->FindField(sums_[item])->DisplayFormat();
  const qsizetype point = format.indexOf(u'.');
  if (!format.isEmpty())
    return QString::number(sum.toDouble(), 'f', point < 0 ? 0 : int(format.size() - point - 1));
  QString text = QString::number(sum.toDouble(), 'f', 2);
  while (text.endsWith(u'0')) text.chop(1);
  if (text.endsWith(u'.')) text.chop(1);
  return text == u"-0" ? QStringLiteral("0") : text;
}

QRect TGridFooter::SumRect(int item) const {
  if (item < 0 || item >= sums_.size()) return {};
  const int column = model_->ColumnOf(sums_[item]);
  const QHeaderView* header = view_->horizontalHeader();
  if (column < 0 || header->isSectionHidden(column)) return {};
  return {ViewportLeft() + header->sectionViewportPosition(column), 1, header->sectionSize(column),
          height() - 1};
}

int TGridFooter::ViewportLeft() const {
  // The footer is the view's sibling, not its ancestor: go through global coordinates.
  return mapFromGlobal(view_->viewport()->mapToGlobal(QPoint(0, 0))).x();
}

int TGridFooter::TextMargin() const {
  // The margin the view keeps between a cell's text and its edge, so the digits line up.
  return view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view_) + 1;
}

int TGridFooter::WidthFor(int column) const {
  int width = 0;
  for (int item = 0; item < sums_.size(); ++item)
    if (model_->ColumnOf(sums_[item]) == column)
      width =
          std::max(width, fontMetrics().horizontalAdvance(SumText(item)) + 2 * TextMargin() + 1);
  return width;
}

QSize TGridFooter::sizeHint() const {
  return {0, fontMetrics().height() + 8};
}

void TGridFooter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, 0, width(), 0);
  painter.setPen(palette().color(QPalette::Text));
  // Sums of columns scrolled partly out of view are cut where the view cuts their cells.
  painter.setClipRect(ViewportLeft(), 0, view_->viewport()->width(), height());
  const int margin = TextMargin();
  for (int item = 0; item < sums_.size(); ++item) {
    const QRect cell = SumRect(item);
    if (cell.isEmpty()) continue;
    painter.drawText(cell.adjusted(margin, 0, -margin - 1, 0), Qt::AlignRight | Qt::AlignVCenter,
                     SumText(item));
  }
}
