#include "core/forms/FormGeometry.h"

namespace {
constexpr int kNearMargin = 20;
constexpr int kRightMargin = 20;
constexpr int kBottomMargin = 50;
constexpr int kCorner = 10;
constexpr int kEdge = 5;
}  // namespace

QPoint PlaceAtCursor(QPoint cursor, QSize form, QSize screen) {
  // Integer division truncates toward zero, as the halves are meant to.
  int left = cursor.x() - form.width() / 2;
  if (left < 0)
    left = kNearMargin;
  else if (left > screen.width() - form.width() - kRightMargin)
    left = screen.width() - form.width() - kRightMargin;

  int top = cursor.y() - form.height() / 2;
  if (top < 0)
    top = kNearMargin;
  else if (top + form.height() > screen.height() - kBottomMargin)
    top = screen.height() - form.height() - kBottomMargin;
  return {left, top};
}

THitZone BorderlessHitTest(QPoint point, QSize form) {
  const int x = point.x();
  const int y = point.y();
  const int w = form.width();
  const int h = form.height();
  if (x < kCorner && y < kCorner) return THitZone::TopLeft;
  if (x > w - kCorner && y < kCorner) return THitZone::TopRight;
  if (x > w - kCorner && y > h - kCorner) return THitZone::BottomRight;
  if (x < kCorner && y > h - kCorner) return THitZone::BottomLeft;
  if (x < kEdge) return THitZone::Left;
  if (y < kEdge) return THitZone::Top;
  if (x > w - kEdge) return THitZone::Right;
  if (y > h - kEdge) return THitZone::Bottom;
  return THitZone::Client;
}
