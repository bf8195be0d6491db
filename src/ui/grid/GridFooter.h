#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>

class QTableView;
class TDataSetModel;

// The footer row of a grid: sums of fields, each shown under its column.
class TGridFooter : public QWidget {
  Q_OBJECT
 public:
  TGridFooter(QTableView* view, TDataSetModel* model, QWidget* parent = nullptr);

  // Adds a sum of the field under its column; shown as a whole number for an integer field,
  // else with up to two decimals.
  void AddSum(const QString& fieldName);
  int SumCount() const { return static_cast<int>(sums_.size()); }
  // The sum of a summary item over the visible rows; Null when there are no rows.
  QVariant Sum(int item) const;
  QString SumText(int item) const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTableView* view_;
  TDataSetModel* model_;
  QStringList sums_;
};
