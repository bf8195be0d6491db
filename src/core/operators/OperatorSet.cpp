#include "core/operators/OperatorSet.h"

#include "core/operators/PasswordHash.h"

TOperatorSet::TOperatorSet()
    : userIdField_(
          AddField(TFieldType::String, QStringLiteral("LoginId"), QStringLiteral("登陆名"))),
      passwdField_(
          AddField(TFieldType::String, QStringLiteral("Password"), QStringLiteral("密码"))),
      nameField_(AddField(TFieldType::String, QStringLiteral("Name"), QStringLiteral("姓名"))),
      contactField_(
          AddField(TFieldType::String, QStringLiteral("Contact"), QStringLiteral("联系方式"))),
      noteField_(AddField(TFieldType::String, QStringLiteral("Note"), QStringLiteral("备注"))),
      rightsField_(AddField(TFieldType::Memo, QStringLiteral("Rights"), QStringLiteral("权限"))) {
  OpenSql(QStringLiteral("select * from operator where LoginId<>'sa'"));
}

void TOperatorSet::AddOperator(const QString& loginId, const QString& password, const QString& name,
                               const QString& contact, const QString& note, const QString& rights) {
  const QString stored = TPasswordHash::ForStorage(password);
  Database().Execute(
      QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],Rights)values("
                     ":LoginId,:Password,:Name,:Contact,:Note,:Rights)"),
      {MakeParam(QStringLiteral("LoginId"), loginId), MakeParam(QStringLiteral("Password"), stored),
       MakeParam(QStringLiteral("Name"), name), MakeParam(QStringLiteral("Contact"), contact),
       MakeParam(QStringLiteral("Note"), note), MakeParam(QStringLiteral("Rights"), rights)});
  DataSet()->Append();
  SetRowValues(loginId, stored, name, contact, note, rights);
  DataSet()->Post();
}

void TOperatorSet::UpdateOperator(const QString& loginId, const QString& password,
                                  const QString& name, const QString& contact, const QString& note,
                                  const QString& rights) {
  const QString stored =
      TPasswordHash::IsHash(password) ? password : TPasswordHash::ForStorage(password);
  Database().Execute(
      QStringLiteral("update operator set [Password]=:Password,Name=:Name,Contact=:Contact,"
                     "[Note]=:Note,Rights=:Rights where LoginId=:LoginId"),
      {MakeParam(QStringLiteral("Password"), stored), MakeParam(QStringLiteral("Name"), name),
       MakeParam(QStringLiteral("Contact"), contact), MakeParam(QStringLiteral("Note"), note),
       MakeParam(QStringLiteral("Rights"), rights), MakeParam(QStringLiteral("LoginId"), loginId)});
  if (!LocateLoginId(loginId)) return;
  DataSet()->Edit();
  SetRowValues(loginId, stored, name, contact, note, rights);
  DataSet()->Post();
}

void TOperatorSet::DeleteOperator(const QString& loginId) {
  Database().Execute(QStringLiteral("delete from operator where LoginId=:LoginId"),
                     {MakeParam(QStringLiteral("LoginId"), loginId)});
  if (LocateLoginId(loginId)) DataSet()->Delete();
}

bool TOperatorSet::LocateLoginId(const QString& loginId) {
  return DataSet()->Locate(QStringLiteral("LoginId"), {loginId});
}

void TOperatorSet::SetRowValues(const QString& loginId, const QString& storedPassword,
                                const QString& name, const QString& contact, const QString& note,
                                const QString& rights) {
  userIdField_->SetAsString(loginId);
  passwdField_->SetAsString(storedPassword);
  nameField_->SetAsString(name);
  contactField_->SetAsString(contact);
  noteField_->SetAsString(note);
  rightsField_->SetAsString(rights);
}
