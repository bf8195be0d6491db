#pragma once

#include <QColor>
#include <QLineEdit>
#include <QVariant>

#include "core/grid/EditConversions.h"

// The program's single-line edit: Enter moves to the next field (Shift+Enter to the previous),
// the focused edit is painted in a signal colour, numeric kinds refuse keys that cannot form a
// number, and the content reads and writes as a typed value. Reading text that does not convert
// raises an error whose message tells the operator which text is wrong.
class TqdEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TqdEdit(QWidget* parent = nullptr);

  Qt::Alignment Alignment() const { return alignment(); }
  void SetAlignment(Qt::Alignment alignment) { setAlignment(alignment); }
  QColor ColorOnEnter() const { return colorOnEnter_; }
  void SetColorOnEnter(const QColor& colour) { colorOnEnter_ = colour; }
  QColor ColorOnReadOnly() const { return colorOnReadOnly_; }
  void SetColorOnReadOnly(const QColor& colour) { colorOnReadOnly_ = colour; }
  bool TabOnEnter() const { return tabOnEnter_; }
  void SetTabOnEnter(bool on) { tabOnEnter_ = on; }
  TEditType EditType() const { return editType_; }
  void SetEditType(TEditType type);
  // When set, the edit keeps its parent's colour while focused.
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool on) { parentColor_ = on; }

  double AsDouble() const;
  void SetAsDouble(double value);
  int AsInteger() const;
  void SetAsInteger(int value);
  QVariant AsDate() const;
  void SetAsDate(const QVariant& value);
  QVariant AsDateTime() const;
  void SetAsDateTime(const QVariant& value);
  QVariant AsVariant() const;
  void SetAsVariant(const QVariant& value);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QColor colorOnEnter_;
  QColor colorOnReadOnly_;
  bool tabOnEnter_ = true;
  TEditType editType_ = etFree;
  bool parentColor_ = false;
  QColor colorBeforeFocus_;
  bool focusPainted_ = false;
};
