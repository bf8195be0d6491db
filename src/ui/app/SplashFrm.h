#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TServerProbe;

// The borderless start-up window: the picture splash.jpg when it is shipped, and one progress
// line that repaints at once, while start-up blocks the event loop. While a database server is
// asked whether it answers, a "取消" button ends the wait.
class TSplashFrm : public QWidget {
  Q_OBJECT
 public:
  explicit TSplashFrm(QWidget* parent = nullptr);

  // Replaces the progress text; an empty text appends "." instead.
  void ShowHint(const QString& text);
  // Offers the cancel button while the probe waits for a server.
  void WatchProbe(TServerProbe* probe);
  bool HasPicture() const;

  QLabel* Image1;
  QLabel* Label1;
  QPushButton* btnCancel1;
};
