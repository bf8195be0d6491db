#pragma once

#include <QComboBox>

// The program's combo box: Enter moves to the next field (Shift+Enter to the previous), Delete
// empties a drop-down list, the focused box is painted aqua, and typing is never completed.
class TqdComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TqdComboBox(QWidget* parent = nullptr);

  bool TabOnEnter = true;

  // Switches between a list to choose from and a box that also takes typing.
  void SetEditable(bool editable);

 signals:
  // The operator changed the choice or the text (not raised for changes made in code).
  void Change();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void DropCompletion();
};
