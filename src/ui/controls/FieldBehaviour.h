#pragma once

#include <QColor>

class QKeyEvent;
class QWidget;

// The signal colours of a focused input field.
inline const QColor kColorAqua(0, 255, 255);
inline const QColor kColorYellow(255, 255, 0);
inline const QColor kColorWhite(255, 255, 255);

// The background colour of an input field (its base and button roles).
QColor FieldColor(const QWidget* widget);
void SetFieldColor(QWidget* widget, const QColor& colour);

// Whether a key event is Enter (either key), and whether Shift is held with it.
bool IsEnterKey(const QKeyEvent* event);
bool IsShiftEnter(const QKeyEvent* event);
