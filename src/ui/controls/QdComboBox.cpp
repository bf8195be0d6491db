#include "ui/controls/QdComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "ui/controls/FieldBehaviour.h"

TqdComboBox::TqdComboBox(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::activated, this, &TqdComboBox::Change);
}

void TqdComboBox::SetEditable(bool editable) {
  setEditable(editable);
  DropCompletion();
}

void TqdComboBox::DropCompletion() {
  QLineEdit* edit = lineEdit();
  if (!edit) return;
  if (edit->completer()) setCompleter(nullptr);
  if (!edit->property("harmozChangeRelay").toBool()) {
    connect(edit, &QLineEdit::textEdited, this, &TqdComboBox::Change);
    edit->setProperty("harmozChangeRelay", true);
  }
}

void TqdComboBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && !isEditable()) {
    setCurrentIndex(-1);
    emit Change();
    event->accept();
    return;
  }
  if (TabOnEnter && IsEnterKey(event) && parentWidget()) {
    QWidget::focusNextPrevChild(!IsShiftEnter(event));
    event->accept();
    return;
  }
  QComboBox::keyPressEvent(event);
}

void TqdComboBox::focusInEvent(QFocusEvent* event) {
  // A box made editable in code got the toolkit's completion; drop it before any typing.
  DropCompletion();
  QComboBox::focusInEvent(event);
  SetFieldColor(this, kColorAqua);
}

void TqdComboBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (event->reason() != Qt::PopupFocusReason) SetFieldColor(this, kColorWhite);
}
