#include "core/maintenance/ServerPassword.h"

#include <termios.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>

#include "core/base/Errors.h"
#include "core/db/Database.h"

namespace {

constexpr char kPasswordVariable[] = "HARMOZ_DB_PASSWORD";
constexpr char kPasswordKey[] = "Password=";

// The terminal as it was before echo was turned off, put back if the program is interrupted at
// the prompt.
termios gSavedTerminal;

void RestoreTerminalAndStop(int signal) {
  tcsetattr(STDIN_FILENO, TCSANOW, &gSavedTerminal);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// Turns echo off on the terminal for its lifetime; an interrupt meanwhile puts it back first.
class TEchoOff {
 public:
  TEchoOff() {
    if (tcgetattr(STDIN_FILENO, &gSavedTerminal) != 0) return;
    for (size_t i = 0; i < kInterrupts.size(); ++i)
      previous_[i] = std::signal(kInterrupts[i], RestoreTerminalAndStop);
    termios quiet = gSavedTerminal;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    active_ = true;
  }
  ~TEchoOff() {
    if (!active_) return;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &gSavedTerminal);
    for (size_t i = 0; i < kInterrupts.size(); ++i)
      if (previous_[i] != SIG_ERR) std::signal(kInterrupts[i], previous_[i]);
  }
  TEchoOff(const TEchoOff&) = delete;
  TEchoOff& operator=(const TEchoOff&) = delete;

 private:
  static constexpr std::array<int, 4> kInterrupts = {SIGINT, SIGTERM, SIGQUIT, SIGHUP};
  bool active_ = false;
  std::array<void (*)(int), 4> previous_{};
};

QString AskOnTerminal() {
  std::fputs("数据库密码: ", stderr);
  std::fflush(stderr);
  std::string line;
  {
    TEchoOff echoOff;
    std::getline(std::cin, line);
  }
  // The Enter that ended the entry was not echoed.
  std::fputs("\n", stderr);
  return QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size()));
}

bool IsServer(const QString& connectionString) {
  const TDatabaseKind kind = TDatabase::KindOf(connectionString);
  return kind == TDatabaseKind::PostgreSQL || kind == TDatabaseKind::SqlServer;
}

}  // namespace

TPasswordSources ProcessPasswordSources() {
  TPasswordSources sources;
  if (qEnvironmentVariableIsSet(kPasswordVariable))
    sources.Environment = qEnvironmentVariable(kPasswordVariable);
  sources.Terminal = isatty(STDIN_FILENO) == 1;
  sources.Ask = AskOnTerminal;
  return sources;
}

QString WithServerPassword(const QString& connectionString, const TPasswordSources& sources) {
  if (!IsServer(connectionString) || connectionString.contains(QLatin1String(kPasswordKey)))
    return connectionString;
  QString password;
  if (sources.Environment)
    password = *sources.Environment;
  else if (sources.Terminal && sources.Ask)
    password = sources.Ask();
  if (password.contains(u';'))
    throw EError(QStringLiteral("数据库密码中不能含有分号(;), 连接字符串无法传递它."));
  QString completed = connectionString;
  if (!completed.endsWith(u';')) completed += u';';
  return completed + QLatin1String(kPasswordKey) + password + u';';
}
