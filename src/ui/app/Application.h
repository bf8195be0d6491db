#pragma once

#include <QApplication>
#include <exception>

// The program's application object. Window commands catch their own errors (RunCommand); its
// event dispatch is only the last resort for an error that escaped one: the silent abort ends
// without a word, every other error shows in the one default error box.
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
