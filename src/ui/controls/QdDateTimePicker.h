#pragma once

#include <QDateTimeEdit>
#include <QVariant>

class QCheckBox;

// The program's date-time picker. It may show a check box; a picker whose check box is clear
// holds no value and reads Null. The focused picker is painted aqua.
class TqdDateTimePicker : public QDateTimeEdit {
  Q_OBJECT
 public:
  enum TKind { dtkDate, dtkTime };

  explicit TqdDateTimePicker(QWidget* parent = nullptr);

  void SetKind(TKind kind);
  bool ShowCheckbox() const { return checkBox_ != nullptr; }
  void SetShowCheckbox(bool show);
  bool Checked() const;
  void SetChecked(bool checked);

  // Null when the check box is shown and clear.
  QVariant AsDateTime() const;
  void SetAsDateTime(const QVariant& value) { SetAsDate(value); }
  // The date at midnight. Writing a value sets the whole date-time and ticks the check box;
  // writing Null sets now and clears the check box.
  QVariant AsDate() const;
  void SetAsDate(const QVariant& value);
  // The time of day. Writing a time keeps the date; Null clears the check box, or sets now when
  // there is none.
  QVariant AsTime() const;
  void SetAsTime(const QVariant& value);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool Open() const { return !checkBox_ || Checked(); }
  void ShowCheckState();

  QCheckBox* checkBox_ = nullptr;
};
