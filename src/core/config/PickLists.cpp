#include "core/config/PickLists.h"

#include "core/base/Variants.h"

TPickListSet* gPickLists = nullptr;

TPickListSet::TPickListSet() {
  AddField(TFieldType::Integer, QStringLiteral("Key"));
  AddField(TFieldType::WideString, QStringLiteral("Label"));
  AddField(TFieldType::Memo, QStringLiteral("List"));
}

void TPickListSet::OpenWhenClosed() {
  if (!DataSet()->Active()) OpenSql(QStringLiteral("select * from options order by [Key]"));
}

int TPickListSet::Count() {
  OpenWhenClosed();
  return DataSet()->RecordCount();
}

void TPickListSet::SetCount(int wanted) {
  OpenWhenClosed();
  TDataSet* dataSet = DataSet();
  if (dataSet->RecordCount() >= wanted) return;
  int key = VarToInt(Database().Scalar(QStringLiteral("select max([Key]) from options")));
  while (dataSet->RecordCount() < wanted) {
    ++key;
    Database().Execute(
        QStringLiteral("insert into options([Key], List) values (:Key, :List)"),
        {MakeParam(QStringLiteral("Key"), key), MakeParam(QStringLiteral("List"), QVariant())});
    dataSet->Append();
    FieldByName(QStringLiteral("Key"))->SetAsInteger(key);
    FieldByName(QStringLiteral("List"))->SetAsString(QString());
    dataSet->Post();
  }
}
