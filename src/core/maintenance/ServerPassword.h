#pragma once

#include <QString>
#include <functional>
#include <optional>

// Where harmoz-admin finds the password of a server connection given without one, so that the
// password need not stand on the command line, where other local users can read it.
struct TPasswordSources {
  // The value of HARMOZ_DB_PASSWORD; none when it is not set.
  std::optional<QString> Environment;
  // Whether the standard input is a terminal, where the operator can be asked.
  bool Terminal = false;
  // Asks on the terminal, without echo.
  std::function<QString()> Ask;
};

// This process's sources: the environment variable, and the prompt "数据库密码: " on the standard
// error stream when the standard input is a terminal.
TPasswordSources ProcessPasswordSources();

// The connection string with its password: unchanged when it names one ("Password=") or is not
// for a server; otherwise with the value of HARMOZ_DB_PASSWORD, else what the operator typed at
// the terminal, else an empty password. Raises an error for a password that the connection string
// cannot hold (a ";").
QString WithServerPassword(const QString& connectionString, const TPasswordSources& sources);
