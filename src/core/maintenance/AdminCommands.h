#pragma once

#include <QStringList>
#include <QTextStream>

#include "core/maintenance/ServerPassword.h"

// harmoz-admin: prepares an empty server database ("init") and reports whether a database has
// every table and column ("check"), for the connection in cfg.ini or one given after the command.
// A server connection given without its password takes it from the sources (WithServerPassword).
// Returns the process exit code: 0 done, 1 refused or incomplete, 2 usage or connection failure.
int RunAdminCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                    const TPasswordSources& passwords);
// The same with this process's password sources.
int RunAdminCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
