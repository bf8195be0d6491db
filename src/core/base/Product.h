#pragma once

#include <QString>

// Product information, set once when the program starts and only read afterwards.
extern QString AppTitle;
extern QString AppVersion;
extern QString ProductCode;
extern QString BuildNo;
extern QString YearRange;
// Base name of the default data file.
extern QString ProgramName;
// The help file, relative to the program's folder.
extern const char kHelpFile[];

void SetProductGlobals();
