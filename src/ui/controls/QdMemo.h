#pragma once

#include <QPlainTextEdit>

// The program's multi-line memo: the focused memo is painted aqua (yellow when read-only);
// Enter starts a new line and Tab moves to the next field.
class TqdMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TqdMemo(QWidget* parent = nullptr);

  QString Text() const { return toPlainText(); }
  void SetText(const QString& text) { setPlainText(text); }

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};
