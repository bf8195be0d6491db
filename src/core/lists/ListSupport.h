#pragma once

#include <functional>

#include "core/db/RecordSet.h"

// What the list windows and pickers ask of any list, whatever its record kind.
class IViewList {
 public:
  virtual ~IViewList() = default;
  virtual void AddRecord() = 0;
  virtual void EditRecord() = 0;
  virtual void DeleteRecord() = 0;
  virtual void RefreshList() = 0;
  virtual void PrintList() = 0;
  virtual bool ImportRecords() = 0;
  virtual bool PickRecord() = 0;
};

// Confirms and deletes the current row of a list: nothing happens on a closed or empty list;
// after "确定要删除记录吗?" the store deletes the row's key, and the row leaves the list only when
// that succeeded. A row the store no longer finds is reported to the operator; a database error
// reaches the caller (the window command shows it). Returns whether a row was deleted.
bool DeleteListRow(TRecordSet& list, const char* keyField,
                   const std::function<bool(int key)>& deleteByKey);

// Shows a stored record in the list without reading it again: the row with the key is edited,
// or a row is appended, the record written into it and the row posted.
void MirrorIntoList(TRecordSet& list, const char* keyField, int key,
                    const std::function<void()>& writeRow);
