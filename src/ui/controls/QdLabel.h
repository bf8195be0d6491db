#pragma once

#include <QLabel>
#include <QVariant>

// A label whose caption reads and writes as a typed value; unreadable text reads as Null.
class TqdLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TqdLabel(QWidget* parent = nullptr) : QLabel(parent) {}

  QVariant AsDateTime() const;
  void SetAsDateTime(const QVariant& value);
  QVariant AsFloat() const;
  void SetAsFloat(const QVariant& value);
  QString AsString() const { return text(); }
  void SetAsString(const QString& value) { setText(value); }
};
