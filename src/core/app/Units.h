#pragma once

// The shared objects of the program. They are created before any window, in the order of the
// units that own them (messages, data access, configuration), and released in reverse order.
class TUnits {
 public:
  TUnits();
  ~TUnits();
  TUnits(const TUnits&) = delete;
  TUnits& operator=(const TUnits&) = delete;
};

void InitDataUnit();
void FinalizeDataUnit();
void InitConfigUnit();
void FinalizeConfigUnit();
