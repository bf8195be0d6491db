#pragma once

#include <QString>
#include <functional>
#include <memory>

// What the operator typed into the password change dialog.
struct RPasswordChange {
  QString PrePasswd;
  QString NewPasswd;
};

// The password change dialog as the change loop uses it: created once per change for one login
// id, shown as often as the loop needs. It closes with OK only when both new-password entries
// agree.
class IPasswordDialog {
 public:
  virtual ~IPasswordDialog() = default;
  // Shows the entries modally and leaves in them what the dialog holds when it closes; true when
  // it closed with OK.
  virtual bool Execute(RPasswordChange& entries) = 0;
};

using TPasswordDialogFactory =
    std::function<std::unique_ptr<IPasswordDialog>(const QString& userId)>;

// Installs the factory that the windows provide; returns the previous one.
TPasswordDialogFactory InstallPasswordDialog(TPasswordDialogFactory factory);
// Raises an error when no dialog has been installed.
std::unique_ptr<IPasswordDialog> CreatePasswordDialog(const QString& userId);
