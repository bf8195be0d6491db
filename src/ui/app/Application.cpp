#include "ui/app/Application.h"

#include "core/base/Command.h"
#include "core/base/MessageBox.h"
#include "ui/forms/ScreenMessageBox.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ShowException(std::current_exception());
  }
  return false;
}

void TApplication::ShowException(std::exception_ptr error) {
  ShowError(error);
}

void TApplication::InstallScreenMessageBox() {
  InstallMessageBox(std::make_unique<TScreenMessageBox>());
}
