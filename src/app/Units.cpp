#include "app/Units.h"

#include "config/Company.h"
#include "config/Formats.h"
#include "config/KeyValue.h"
#include "config/PickLists.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "operators/Operator.h"

void InitDataUnit() {
  gDatabase = new TDatabase();
  gRecordSet = new TRecordSet();
}

void FinalizeDataUnit() {
  delete gRecordSet;
  gRecordSet = nullptr;
  delete gDatabase;
  gDatabase = nullptr;
}

// Nothing here touches the database: the settings and pick lists read on first use, the company
// and the operator when start-up and login load them.
void InitConfigUnit() {
  InstallProcessFormats();
  gCompany = new TCompany();
  gKeyValue = new TKeyValue2();
  gPickLists = new TPickListSet();
  gOperator = new TOperator();
}

void FinalizeConfigUnit() {
  delete gOperator;
  gOperator = nullptr;
  delete gPickLists;
  gPickLists = nullptr;
  delete gKeyValue;
  gKeyValue = nullptr;
  delete gCompany;
  gCompany = nullptr;
}

TUnits::TUnits() {
  InitDataUnit();
  InitConfigUnit();
}

TUnits::~TUnits() {
  FinalizeConfigUnit();
  FinalizeDataUnit();
}
