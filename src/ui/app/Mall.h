#pragma once

#include <QObject>

// The one place where the main window's commands check operator rights and open dialogs, and
// where the start and exit chores run. Its operations need no instance; gMall exists so that the
// overridable chores can be reached through it.
class Tmall : public QObject {
  Q_OBJECT
 public:
  explicit Tmall(QObject* owner = nullptr) : QObject(owner) {}

  // After a successful login: an operator allowed to edit the company profile is asked for it
  // while it has no name yet.
  virtual void AfterLogin();
  // The feedback form when forced or when the stored prompt flag is on.
  virtual void PromptFeedback(bool force);

  // The scheduled backup, run when the main window closes.
  static void AutoBackup();
  // The company profile dialog, editable; needs right 10000.
  static void EditCompany();
};

extern Tmall* gMall;
