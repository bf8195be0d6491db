#pragma once

#include <QString>

#include "core/base/MessageBox.h"

// The message boxes the windows show: the kind's icon and caption, the buttons asked for.
class TScreenMessageBox : public IMessageBox {
 public:
  TMsgResult Show(TMsgKind kind, const QString& text, TMsgButtons buttons) override;

  // The text as a box shows it: the program's CR LF and CR become line breaks and tabs some
  // room on the right.
  static QString DisplayText(const QString& text);
};
