#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <functional>

// The base of every window of the program: the form font, F1 help from any control, opening
// centred on the mouse cursor, and resizing by the edges when the form has no border.
// Keys follow one rule in every form: Enter in a single-line field (an edit, a combo box, a spin
// box, a check box) moves to the next field in tab order and, in the last field, presses the
// default button; Enter on a focused button clicks it. Esc first closes a floating pick panel
// that is open; otherwise it presses the cancel button, or cancels a modal form without one.
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
  // The button that Esc clicks.
  void SetCancelButton(QAbstractButton* button);
  QAbstractButton* CancelButton() const { return cancelButton_; }
  // The button that Enter in the last field presses.
  void SetDefaultButton(QAbstractButton* button);
  QAbstractButton* DefaultButton() const { return defaultButton_; }
  // A panel that floats over the form to pick from; Esc closes it with the given command (hiding
  // it when none is given).
  void AddPickPanel(QWidget* panel, std::function<void()> close = {});
  // Whether showing the form places it at the mouse cursor (the default) or leaves it where the
  // form put itself.
  void SetPlaceAtCursor(bool place) { placeAtCursor_ = place; }

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  struct TPickPanel {
    QPointer<QWidget> Panel;
    std::function<void()> Close;
  };

  bool Borderless() const;
  bool CloseOpenPickPanel();
  void Cancel();
  // Enter in a field: the next field gets the focus, or the last one presses the default button.
  void EnterInField(QWidget* field);

  QPointer<QAbstractButton> cancelButton_;
  QPointer<QAbstractButton> defaultButton_;
  QList<TPickPanel> pickPanels_;
  bool placeAtCursor_ = true;
};

// Whether Enter in the widget follows the form's rule for single-line fields.
bool IsSingleLineField(const QWidget* widget);
