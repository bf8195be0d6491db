#pragma once

#include <QFrame>

class QLabel;

// The white title banner that list windows place at their top: a banner picture, the title in
// bold and a thin line below.
class TTitle1Fra : public QFrame {
  Q_OBJECT
 public:
  // Places itself at the top of the form with the title text.
  TTitle1Fra(QWidget* form, const QString& title);

  QLabel* LblTitle1;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
