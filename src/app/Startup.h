#pragma once

#include <QString>

// Connects gDatabase to the database that cfg.ini names. A new installation on the default data
// file gets that file created with the whole schema. Returns whether the database is connected.
bool ConnectConfiguredDatabase();

// The counts that tell an operator which data the program is on.
struct TDataSummary {
  int Members = 0;
  int Commodities = 0;
  int Operators = 0;
};
TDataSummary ReadDataSummary();
