#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>

// The base of every window of the program: the form font, F1 help from any control, opening
// centred on the mouse cursor, and resizing by the edges when the form has no border.
// The topic of a form's help page is its object name without the last three characters, so
// every form sets its object name ("MemberEditFrm").
class TaFrm : public QDialog {
  Q_OBJECT
 public:
  explicit TaFrm(QWidget* parent = nullptr);

  // Opens the help page of the topic; an empty topic means the form's own.
  virtual void ShowHelp(const QString& topic = QString());
  // Centres the form on the mouse cursor, kept inside the screen.
  void PlaceAtCursor();
  // The button that Esc clicks; without one Esc does nothing.
  void SetCancelButton(QAbstractButton* button);
  QAbstractButton* CancelButton() const { return cancelButton_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  bool Borderless() const;

  QPointer<QAbstractButton> cancelButton_;
};
