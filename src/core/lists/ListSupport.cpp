#include "core/lists/ListSupport.h"

#include "core/base/Command.h"
#include "core/base/MessageBox.h"

bool DeleteListRow(TRecordSet& list, const char* keyField,
                   const std::function<bool(int key)>& deleteByKey) {
  TDataSet* rows = list.DataSet();
  if (!rows->Active() || rows->IsEmpty()) return false;
  if (MessageBox().Show(TMsgKind::Warning, QStringLiteral("\r\n确定要删除记录吗?\t"),
                        TMsgButtons::OkCancel) != TMsgResult::Ok)
    return false;
  if (!deleteByKey(list.FieldByName(keyField)->AsInteger())) {
    ShowInfo(QStringLiteral("删除失败, 没有删除任何数据.\r\n原因: %1").arg(RecordGoneReason()));
    return false;
  }
  rows->Delete();
  return true;
}

void MirrorIntoList(TRecordSet& list, const char* keyField, int key,
                    const std::function<void()>& writeRow) {
  TDataSet* rows = list.DataSet();
  if (!rows->Active()) return;
  if (rows->Locate(keyField, {key}))
    rows->Edit();
  else
    rows->Append();
  writeRow();
  rows->Post();
}
