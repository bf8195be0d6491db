#include "core/operators/Operator.h"

#include "core/base/Errors.h"
#include "core/base/MessageBox.h"
#include "core/db/RecordSet.h"
#include "core/operators/PasswordDialog.h"
#include "core/operators/PasswordHash.h"

TOperator* gOperator = nullptr;

void TOperator::Clear() {
  *this = TOperator();
}

void TOperator::LoadByLoginId(const QString& loginId) {
  TRecordSet operators;
  const int found = operators.OpenSql(
      QStringLiteral("select LoginId,Password,Name,Contact,[Note],Rights from operator where "
                     "LoginId=:LoginId"),
      {MakeParam(QStringLiteral("LoginId"), loginId)});
  Clear();
  TDataSet* row = operators.DataSet();
  if (found == 1) {
    row->First();
    LoginId = row->Field(0)->AsString();
    Password = row->Field(1)->AsString();
    Name = row->Field(2)->AsString();
    Contact = row->Field(3)->AsString();
    Note = row->Field(4)->AsString();
    Rights = row->Field(5)->AsString();
  }
  row->Close();
}

bool TOperator::CheckPassword(const QString& password) const {
  return !LoginId.isEmpty() && TPasswordHash::Matches(password, Password);
}

bool TOperator::UpgradeStoredPassword(const QString& password) {
  if (!TPasswordHash::NeedsRehash(Password) || !CheckPassword(password)) return false;
  SetPassword(password);
  return true;
}

bool TOperator::HasRight(int right) const {
  return LoginId == QLatin1String(kSuperUserId) ||
         Rights.contains(QStringLiteral(",%1,").arg(right));
}

bool TOperator::CheckRight(int right, bool abort) const {
  if (HasRight(right)) return true;
  ShowInfo(QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(right));
  if (abort) Abort();
  return false;
}

void TOperator::SetPassword(const QString& newPassword) {
  const QString stored = TPasswordHash::ForStorage(newPassword);
  const int changed =
      gDatabase->ExecuteCount(QStringLiteral("update operator set [Password]=:Password where "
                                             "LoginId=:LoginId"),
                              {MakeParam(QStringLiteral("Password"), stored),
                               MakeParam(QStringLiteral("LoginId"), LoginId)});
  if (changed != 1) throw EError(QStringLiteral("操作员\"%1\"已不存在,密码未能保存.").arg(LoginId));
  Password = stored;
}

void TOperator::ChangePassword() {
  std::unique_ptr<IPasswordDialog> dialog = CreatePasswordDialog(LoginId);
  RPasswordChange entries;
  while (dialog->Execute(entries)) {
    if (!CheckPassword(entries.PrePasswd)) {
      ShowInfo(QStringLiteral("当前密码验证失败,请确认并重新输入."));
      continue;
    }
    try {
      SetPassword(entries.NewPasswd);
    } catch (const EError& error) {
      ShowInfo(error.Message());
      continue;
    }
    ShowInfo(QStringLiteral("密码更改成功! 下次登陆时请使用新密码."));
    return;
  }
}
