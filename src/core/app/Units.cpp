#include "core/app/Units.h"

#include "core/base/Formats.h"
#include "core/config/Company.h"
#include "core/config/KeyValue.h"
#include "core/config/PickLists.h"
#include "core/db/Database.h"
#include "core/db/RecordSet.h"
#include "core/operators/Operator.h"

void InitDataUnit() {
  gDatabase = new TDatabase();
}

void FinalizeDataUnit() {
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
