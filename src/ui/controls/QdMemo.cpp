#include "ui/controls/QdMemo.h"

#include <QFocusEvent>

#include "ui/controls/FieldBehaviour.h"

TqdMemo::TqdMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
}

void TqdMemo::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  SetFieldColor(this, isReadOnly() ? kColorYellow : kColorAqua);
}

void TqdMemo::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason) SetFieldColor(this, kColorWhite);
}
