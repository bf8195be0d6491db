#include "ui/controls/FieldBehaviour.h"

#include <QKeyEvent>
#include <QWidget>

QColor FieldColor(const QWidget* widget) {
  return widget->palette().color(QPalette::Base);
}

void SetFieldColor(QWidget* widget, const QColor& colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Base, colour);
  colours.setColor(QPalette::Button, colour);
  widget->setPalette(colours);
}

bool IsEnterKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool IsShiftEnter(const QKeyEvent* event) {
  return IsEnterKey(event) && (event->modifiers() & Qt::ShiftModifier);
}
