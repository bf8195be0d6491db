#pragma once

#include <QStringList>
#include <QTextStream>

// harmoz-admin: prepares an empty server database ("init") and reports whether a database has
// every table and column ("check"), for the connection in cfg.ini or one given after the command.
// Returns the process exit code: 0 done, 1 refused or incomplete, 2 usage or connection failure.
int RunAdminCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
