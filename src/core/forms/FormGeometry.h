#pragma once

#include <QPoint>
#include <QSize>

// Where a form opens: centred on the mouse cursor, kept 20 pixels from the left, top and right
// screen edges and 50 pixels above the bottom edge (room for a task bar). The cursor is given in
// the coordinates of the screen whose size is given.
QPoint PlaceAtCursor(QPoint cursor, QSize form, QSize screen);

// The parts of a borderless form that resize it: 10-pixel corner squares, 5-pixel edge strips.
enum class THitZone {
  Client,  // the toolkit's own answer
  TopLeft,
  TopRight,
  BottomRight,
  BottomLeft,
  Left,
  Top,
  Right,
  Bottom,
};

// The zone of a point in client coordinates of a form of the given size; first match wins.
THitZone BorderlessHitTest(QPoint point, QSize form);
