#pragma once

#include <QString>
#include <exception>

// The program's error: a message in the operator's language. Every failure that reaches the
// application's default error box is one of these.
class EError : public std::exception {
 public:
  explicit EError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
  const QString& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.constData(); }

 private:
  QString message_;
  QByteArray utf8_;
};

// A statement or query failed. The message is the provider's message, CR LF and the statement
// text; both parts stay available on their own.
class EDatabaseError : public EError {
 public:
  EDatabaseError(QString providerMessage, QString sql)
      : EError(sql.isEmpty() ? providerMessage : providerMessage + QStringLiteral("\r\n") + sql),
        providerMessage_(std::move(providerMessage)),
        sql_(std::move(sql)) {}
  const QString& ProviderMessage() const { return providerMessage_; }
  const QString& Sql() const { return sql_; }

 private:
  QString providerMessage_;
  QString sql_;
};

// The database was busy: another writer held the lock, or the server broke a deadlock or a
// serialization conflict. Nothing of the transaction stays; it may be tried again as a whole.
class EDatabaseBusy : public EDatabaseError {
 public:
  using EDatabaseError::EDatabaseError;
};

// A statement's parameters do not fit its text (a name it lacks, a marker left without value).
class EParameterError : public EDatabaseError {
 public:
  using EDatabaseError::EDatabaseError;
};

// A silent abort: ends the current command without any message.
class EAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "operation aborted"; }
};

// Ends the current command silently.
[[noreturn]] inline void Abort() {
  throw EAbort();
}
