#pragma once

#include <QString>

// Operator passwords as stored: a salted PBKDF2-SHA256 digest in the self-describing form
// "pbkdf2-sha256$<iterations>$<salt base64>$<digest base64>".
class TPasswordHash {
 public:
  // Enough rounds that one check takes a few milliseconds.
  static constexpr int kIterations = 20000;

  // A new digest with a fresh random salt.
  static QString Make(const QString& password);
  // True when the text has the stored form above (and is not a plain-text password).
  static bool IsHash(const QString& stored);
  // True when the password gives the stored digest; false for anything not in the stored form.
  static bool Verify(const QString& password, const QString& stored);

  // The text to store for a typed password: its digest; an empty password stays empty.
  static QString ForStorage(const QString& password);
  // Whether a typed password matches the stored text: a digest is verified; anything else is a
  // plain-text password from an older database and must equal the typed one exactly.
  static bool Matches(const QString& password, const QString& stored);
};
