#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QWidget>

class QTableView;
class TDataSetModel;

// The footer row of a grid: sums of fields, each shown under its column, wherever the column is
// moved, resized or scrolled to.
class TGridFooter : public QWidget {
  Q_OBJECT
 public:
  TGridFooter(QTableView* view, TDataSetModel* model, QWidget* parent = nullptr);

  void AddSum(const QString& fieldName);
  int SumCount() const { return static_cast<int>(sums_.size()); }
  // The sum of a summary item over the visible rows; Null when there are no rows. A money field
  // sums exactly in cents (a TMoney), an integer field as a whole number (qint64), any other
  // number as a double.
  QVariant Sum(int item) const;
  // Money with two decimals ("350.40"), integers whole, other numbers in their field's display
  // format, else with up to two decimals.
  QString SumText(int item) const;
  // Where the item's sum is drawn, in the footer's coordinates: under its column, as wide as the
  // column; empty when the column is hidden. Painting cuts it to what the view shows.
  QRect SumRect(int item) const;
  // The width the sums under a column need; 0 when it has none.
  int WidthFor(int column) const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int ViewportLeft() const;
  int TextMargin() const;

  QTableView* view_;
  TDataSetModel* model_;
  QStringList sums_;
};
