#pragma once

#include "core/db/RecordSet.h"

// Numbered pick lists in the table options, read on first use. The table only ever grows.
class TPickListSet : public TRecordSet {
 public:
  TPickListSet();

  int Count();
  // Adds rows with the next keys and no list until the table holds at least the wanted count.
  void SetCount(int wanted);

 private:
  void OpenWhenClosed();
};

extern TPickListSet* gPickLists;
