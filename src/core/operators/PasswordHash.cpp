#include "core/operators/PasswordHash.h"

#include <sodium.h>

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRegularExpression>
#include <QStringList>
#include <limits>

#include "core/base/Errors.h"

namespace {

constexpr unsigned long long kArgonPasses = crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE;
constexpr size_t kArgonMemoryBytes = crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE;
static_assert(TPasswordHash::kMaxArgonPasses == 4 * kArgonPasses);
static_assert(TPasswordHash::kMaxArgonMemoryKiB == 4 * kArgonMemoryBytes / 1024);
static_assert(TPasswordHash::kMaxArgonWork == 4 * kArgonPasses * kArgonMemoryBytes / 1024);

constexpr char kPbkdf2Scheme[] = "pbkdf2-sha256";
constexpr int kPbkdf2DigestBytes = 32;

void EnsureSodium() {
  static const int state = sodium_init();
  if (state < 0) throw EError(QStringLiteral("密码加密库无法初始化."));
}

// A cost written in an entry: decimal digits only; a number too large to hold counts as the
// largest one, which no limit admits.
bool ReadCost(QStringView text, unsigned long long* cost) {
  if (text.isEmpty()) return false;
  for (QChar c : text)
    if (c < u'0' || c > u'9') return false;
  bool fits = false;
  *cost = text.toULongLong(&fits);
  if (!fits) *cost = std::numeric_limits<unsigned long long>::max();
  return true;
}

struct TArgonEntry {
  bool Valid = false;
  unsigned long long MemoryKiB = 0;
  unsigned long long Passes = 0;
  unsigned long long Lanes = 0;
};

TArgonEntry ParseArgon(const QString& stored) {
  static const QRegularExpression form(QStringLiteral(
      "^\\$argon2id\\$v=19\\$m=([0-9]+),t=([0-9]+),p=([0-9]+)\\$[A-Za-z0-9+/]+\\$[A-Za-z0-9+/]+$"));
  TArgonEntry entry;
  const QRegularExpressionMatch match = form.match(stored);
  entry.Valid = match.hasMatch() && ReadCost(match.capturedView(1), &entry.MemoryKiB) &&
                ReadCost(match.capturedView(2), &entry.Passes) &&
                ReadCost(match.capturedView(3), &entry.Lanes);
  return entry;
}

bool WithinLimits(const TArgonEntry& entry, const QString& stored) {
  return entry.Valid && entry.MemoryKiB <= TPasswordHash::kMaxArgonMemoryKiB &&
         entry.Passes <= TPasswordHash::kMaxArgonPasses &&
         entry.MemoryKiB * entry.Passes <= TPasswordHash::kMaxArgonWork && entry.Lanes >= 1 &&
         entry.Lanes <= TPasswordHash::kMaxArgonLanes && stored.size() < crypto_pwhash_STRBYTES;
}

bool VerifyArgon(const QString& password, const QString& stored) {
  EnsureSodium();
  const QByteArray entry = stored.toLatin1();
  const QByteArray bytes = password.toUtf8();
  return crypto_pwhash_argon2id_str_verify(entry.constData(), bytes.constData(),
                                           static_cast<unsigned long long>(bytes.size())) == 0;
}

struct TPbkdf2Entry {
  bool Valid = false;
  unsigned long long Iterations = 0;
  QByteArray Salt;
  QByteArray Digest;
};

QByteArray DecodeBase64(const QString& text, bool* ok) {
  const auto result =
      QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  *ok = result.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
  return result.decoded;
}

TPbkdf2Entry ParsePbkdf2(const QString& stored) {
  TPbkdf2Entry entry;
  const QStringList parts = stored.split(u'$');
  if (parts.size() != 4 || parts[0] != QLatin1String(kPbkdf2Scheme)) return entry;
  bool saltOk = false, digestOk = false;
  const bool iterationsOk = ReadCost(parts[1], &entry.Iterations);
  entry.Salt = DecodeBase64(parts[2], &saltOk);
  entry.Digest = DecodeBase64(parts[3], &digestOk);
  entry.Valid = iterationsOk && entry.Iterations > 0 && saltOk && !entry.Salt.isEmpty() &&
                digestOk && entry.Digest.size() == kPbkdf2DigestBytes;
  return entry;
}

// Compares without stopping at the first difference.
bool SameBytes(const QByteArray& a, const QByteArray& b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (qsizetype i = 0; i < a.size(); ++i) difference |= a[i] ^ b[i];
  return difference == 0;
}

bool VerifyPbkdf2(const QString& password, const TPbkdf2Entry& entry) {
  if (entry.Iterations > TPasswordHash::kMaxPbkdf2Iterations) return false;
  const QByteArray derived =
      QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), entry.Salt,
                                         static_cast<int>(entry.Iterations), kPbkdf2DigestBytes);
  return SameBytes(derived, entry.Digest);
}

}  // namespace

QString TPasswordHash::Make(const QString& password) {
  EnsureSodium();
  const QByteArray bytes = password.toUtf8();
  char entry[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_argon2id_str(entry, bytes.constData(),
                                 static_cast<unsigned long long>(bytes.size()), kArgonPasses,
                                 kArgonMemoryBytes) != 0)
    throw EError(QStringLiteral("内存不足,无法加密密码,密码未保存."));
  return QString::fromLatin1(entry);
}

bool TPasswordHash::IsHash(const QString& stored) {
  return ParseArgon(stored).Valid || ParsePbkdf2(stored).Valid;
}

bool TPasswordHash::Verify(const QString& password, const QString& stored) {
  const TArgonEntry argon = ParseArgon(stored);
  if (argon.Valid) return WithinLimits(argon, stored) && VerifyArgon(password, stored);
  const TPbkdf2Entry pbkdf2 = ParsePbkdf2(stored);
  return pbkdf2.Valid && VerifyPbkdf2(password, pbkdf2);
}

bool TPasswordHash::NeedsRehash(const QString& stored) {
  if (stored.isEmpty()) return false;
  if (!ParseArgon(stored).Valid) return true;
  EnsureSodium();
  return crypto_pwhash_argon2id_str_needs_rehash(stored.toLatin1().constData(), kArgonPasses,
                                                 kArgonMemoryBytes) != 0;
}

QString TPasswordHash::ForStorage(const QString& password) {
  return password.isEmpty() ? QString() : Make(password);
}

bool TPasswordHash::Matches(const QString& password, const QString& stored) {
  if (IsHash(stored)) return Verify(password, stored);
  return password == stored;
}
