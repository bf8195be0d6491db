#pragma once

#include <QWidget>

class QLabel;

// The borderless start-up window: the picture splash.jpg when it is shipped, and one progress
// line that repaints at once, while start-up blocks the event loop.
class TSplashFrm : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashFrm(QWidget* parent = nullptr);

  // Replaces the progress text; an empty text appends "." instead.
  void ShowHint(const QString& text);

  QLabel* Image1;
  QLabel* Label1;
};
