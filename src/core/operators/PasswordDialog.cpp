#include "core/operators/PasswordDialog.h"

#include "core/base/Errors.h"

namespace {
TPasswordDialogFactory& InstalledFactory() {
  static TPasswordDialogFactory factory;
  return factory;
}
}  // namespace

TPasswordDialogFactory InstallPasswordDialog(TPasswordDialogFactory factory) {
  std::swap(InstalledFactory(), factory);
  return factory;
}

std::unique_ptr<IPasswordDialog> CreatePasswordDialog(const QString& userId) {
  std::unique_ptr<IPasswordDialog> dialog;
  if (InstalledFactory()) dialog = InstalledFactory()(userId);
  if (!dialog) throw EError(QStringLiteral("更改密码对话框不可用."));
  return dialog;
}
