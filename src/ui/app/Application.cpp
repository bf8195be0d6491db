#include "ui/app/Application.h"

#include "core/base/Errors.h"
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
  QString text;
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
    return;
  } catch (const EError& e) {
    text = e.Message();
  } catch (const std::exception& e) {
    text = QString::fromLocal8Bit(e.what());
  } catch (...) {
    text = QStringLiteral("未知错误.");
  }
  MessageBox().Show(TMsgKind::Error, text, TMsgButtons::Ok);
}

void TApplication::InstallScreenMessageBox() {
  InstallMessageBox(std::make_unique<TScreenMessageBox>());
}
