#pragma once

#include <QApplication>
#include <exception>

// The program's application object. Its event dispatch ends a command that raised the silent
// abort without a word and shows every other error in the one default error box.
class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The default error box for an error that escaped a command; nothing for the silent abort.
  static void ShowException(std::exception_ptr error);
  // Installs the on-screen message boxes.
  static void InstallScreenMessageBox();
};
