#include "ui/forms/PasswordEdit.h"

#include <QLineEdit>

void ShowAsStars(QLineEdit* edit) {
  edit->setEchoMode(QLineEdit::Password);
  edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}
