#pragma once

#include <QString>

// Operator passwords as stored. A new or changed password is an Argon2id string as libsodium
// writes it at its interactive limits:
// "$argon2id$v=19$m=<KiB>,t=<passes>,p=<lanes>$<salt>$<digest>" (about 97 characters). Older
// databases hold salted PBKDF2-SHA256 digests "pbkdf2-sha256$<iterations>$<salt base64>$<digest
// base64>" or plain text; both still check, and NeedsRehash tells the login to replace them. The
// cost an entry asks for is read before it is verified: an entry asking for more than the limits
// below fails the check at once, so that a forged row cannot hold a login for minutes.
class TPasswordHash {
 public:
  // Four times libsodium's interactive limits (64 MiB, 2 passes, and the one lane it writes),
  // each and together: memory times passes, the time one check takes, stays within four times
  // ours.
  static constexpr unsigned long long kMaxArgonMemoryKiB = 4ULL * 64 * 1024;
  static constexpr unsigned long long kMaxArgonPasses = 4ULL * 2;
  static constexpr unsigned long long kMaxArgonWork = 4ULL * 64 * 1024 * 2;
  static constexpr unsigned long long kMaxArgonLanes = 4;
  // Older versions wrote 20000 rounds.
  static constexpr unsigned long long kMaxPbkdf2Iterations = 300000;

  // A new Argon2id string with a fresh random salt. Raises an error when the memory it needs
  // cannot be had.
  static QString Make(const QString& password);
  // True when the text has one of the stored digest forms above (and is not a plain-text
  // password), whatever cost it asks for.
  static bool IsHash(const QString& stored);
  // True when the password gives the stored digest; false for anything not in a digest form and
  // for a digest that asks for more than the limits.
  static bool Verify(const QString& password, const QString& stored);
  // Whether a stored text that has just checked should be written again as a new Argon2id
  // string: plain text, a PBKDF2 digest, or an Argon2id string with other limits. Never for an
  // empty text.
  static bool NeedsRehash(const QString& stored);

  // The text to store for a typed password: its digest; an empty password stays empty.
  static QString ForStorage(const QString& password);
  // Whether a typed password matches the stored text: a digest is verified; anything else is a
  // plain-text password from an older database and must equal the typed one exactly.
  static bool Matches(const QString& password, const QString& stored);
};
