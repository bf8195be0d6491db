#include "ui/controls/QdEdit.h"

#include <QKeyEvent>

#include "ui/controls/FieldBehaviour.h"

TqdEdit::TqdEdit(QWidget* parent)
    : QLineEdit(parent), colorOnEnter_(kColorAqua), colorOnReadOnly_(kColorYellow) {}

void TqdEdit::SetEditType(TEditType type) {
  editType_ = type;
  switch (type) {
    case etNumber:
      setInputMethodHints(Qt::ImhFormattedNumbersOnly);
      break;
    case etInteger:
      setInputMethodHints(Qt::ImhDigitsOnly);
      break;
    case etFree:
      setInputMethodHints(Qt::ImhNone);
      break;
  }
}

double TqdEdit::AsDouble() const {
  return TEditText::ToDouble(text());
}
void TqdEdit::SetAsDouble(double value) {
  setText(TEditText::FromDouble(value));
}
int TqdEdit::AsInteger() const {
  return TEditText::ToInteger(text());
}
void TqdEdit::SetAsInteger(int value) {
  setText(TEditText::FromInteger(value));
}
QVariant TqdEdit::AsDate() const {
  return TEditText::ToDate(text());
}
void TqdEdit::SetAsDate(const QVariant& value) {
  setText(TEditText::FromDate(value));
}
QVariant TqdEdit::AsDateTime() const {
  return TEditText::ToDateTime(text());
}
void TqdEdit::SetAsDateTime(const QVariant& value) {
  setText(TEditText::FromDateTime(value));
}
QVariant TqdEdit::AsVariant() const {
  return TEditText::ToVariant(editType_, text());
}
void TqdEdit::SetAsVariant(const QVariant& value) {
  setText(TEditText::FromVariant(editType_, value));
}

void TqdEdit::keyPressEvent(QKeyEvent* event) {
  if (tabOnEnter_ && IsEnterKey(event) && parentWidget()) {
    QWidget::focusNextPrevChild(!IsShiftEnter(event));
    event->accept();
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && typed[0].isPrint() && !EditAcceptsKey(editType_, typed[0], text())) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TqdEdit::inputMethodEvent(QInputMethodEvent* event) {
  // Characters composed by an input method are typed keys too.
  if (editType_ != etFree && !event->commitString().isEmpty()) {
    QString accepted;
    for (const QChar c : event->commitString())
      if (EditAcceptsKey(editType_, c, text() + accepted)) accepted += c;
    event->setCommitString(accepted);
  }
  QLineEdit::inputMethodEvent(event);
}

void TqdEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (focusPainted_ || parentColor_) return;
  colorBeforeFocus_ = FieldColor(this);
  SetFieldColor(this, isReadOnly() ? colorOnReadOnly_ : colorOnEnter_);
  focusPainted_ = true;
}

void TqdEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!focusPainted_ || event->reason() == Qt::PopupFocusReason) return;
  SetFieldColor(this, colorBeforeFocus_);
  focusPainted_ = false;
}
