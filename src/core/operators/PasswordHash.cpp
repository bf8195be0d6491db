#include "core/operators/PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace {

constexpr char kScheme[] = "pbkdf2-sha256";
constexpr int kSaltBytes = 16;
constexpr int kDigestBytes = 32;

struct TParsedHash {
  bool Valid = false;
  int Iterations = 0;
  QByteArray Salt;
  QByteArray Digest;
};

QByteArray Derive(const QString& password, const QByteArray& salt, int iterations) {
  return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                            iterations, kDigestBytes);
}

QByteArray DecodeBase64(const QString& text, bool* ok) {
  const auto result =
      QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  *ok = result.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
  return result.decoded;
}

TParsedHash Parse(const QString& stored) {
  TParsedHash parsed;
  const QStringList parts = stored.split(u'$');
  if (parts.size() != 4 || parts[0] != QLatin1String(kScheme)) return parsed;
  bool iterationsOk = false, saltOk = false, digestOk = false;
  parsed.Iterations = parts[1].toInt(&iterationsOk);
  parsed.Salt = DecodeBase64(parts[2], &saltOk);
  parsed.Digest = DecodeBase64(parts[3], &digestOk);
  parsed.Valid = iterationsOk && parsed.Iterations > 0 && saltOk && !parsed.Salt.isEmpty() &&
                 digestOk && parsed.Digest.size() == kDigestBytes;
  return parsed;
}

// Compares without stopping at the first difference.
bool SameBytes(const QByteArray& a, const QByteArray& b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (qsizetype i = 0; i < a.size(); ++i) difference |= a[i] ^ b[i];
  return difference == 0;
}

}  // namespace

QString TPasswordHash::Make(const QString& password) {
  QByteArray salt(kSaltBytes, Qt::Uninitialized);
  QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                        kSaltBytes / sizeof(quint32));
  const QByteArray digest = Derive(password, salt, kIterations);
  return QLatin1String(kScheme) + u'$' + QString::number(kIterations) + u'$' +
         QString::fromLatin1(salt.toBase64()) + u'$' + QString::fromLatin1(digest.toBase64());
}

bool TPasswordHash::IsHash(const QString& stored) {
  return Parse(stored).Valid;
}

bool TPasswordHash::Verify(const QString& password, const QString& stored) {
  const TParsedHash parsed = Parse(stored);
  return parsed.Valid && SameBytes(Derive(password, parsed.Salt, parsed.Iterations), parsed.Digest);
}

QString TPasswordHash::ForStorage(const QString& password) {
  return password.isEmpty() ? QString() : Make(password);
}

bool TPasswordHash::Matches(const QString& password, const QString& stored) {
  if (IsHash(stored)) return Verify(password, stored);
  return password == stored;
}
