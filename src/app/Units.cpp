#include "app/Units.h"

#include "config/Formats.h"
#include "data/Database.h"
#include "data/RecordSet.h"

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

void InitConfigUnit() {
  InstallProcessFormats();
}

void FinalizeConfigUnit() {}

TUnits::TUnits() {
  InitDataUnit();
  InitConfigUnit();
}

TUnits::~TUnits() {
  FinalizeConfigUnit();
  FinalizeDataUnit();
}
