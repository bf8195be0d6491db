#pragma once

class TDatabase;
class TServerProbe;

#include <QString>
#include <functional>

// Connects gDatabase to the database that cfg.ini names. A new installation on the default data
// file gets that file created with the whole schema. Returns whether the database is connected.
bool ConnectConfiguredDatabase();
// The same, but a database server is first asked through the probe whether it answers: one that
// does not answer in time is reported like a failed connection, and a cancelled wait fails the
// connection without a message.
bool ConnectConfiguredDatabase(TServerProbe& probe);

// Makes a connected database ready for the program: one without this program's tables is
// offered to be prepared (as harmoz-admin init does), one of an older build is brought up to
// date. On No or a failure (which is shown) the connection is closed and false returned, so that
// the start-up check offers the connection dialog again.
bool PrepareDatabase(TDatabase& database);

// The start-up check: connects to the configured database and, as long as that fails, shows the
// connection dialog; confirming it (which saves the new values) tries again with them, anything
// else gives up. Returns whether the database is connected at the end.
bool CheckConnection(
    const std::function<bool()>& confirmDialog,
    const std::function<bool()>& connect = [] { return ConnectConfiguredDatabase(); });

// The counts that tell an operator which data the program is on.
struct TDataSummary {
  int Members = 0;
  int Commodities = 0;
  int Operators = 0;
};
TDataSummary ReadDataSummary(TDatabase& database);
