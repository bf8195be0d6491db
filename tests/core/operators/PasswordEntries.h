#pragma once

#include <QString>

// Stored forms of the password "Geheim密码" as other versions wrote them.

// PBKDF2-SHA256 with 20000 rounds and the salt bytes 1 to 16, as older versions stored it.
inline const QString kPbkdf2Entry =
    "pbkdf2-sha256$20000$AQIDBAUGBwgJCgsMDQ4PEA==$7tvZSjblXyVExn5Pzlwh8+fJB7KMivKYbwjCHdw6oOg=";
// Argon2id as libsodium writes it at its interactive limits.
inline const QString kArgonEntry =
    "$argon2id$v=19$m=65536,t=2,p=1$kqdsFet+uJ8TK8IM06N3AA$"
    "h2c/WcCn3Wg20MBl4dveOfpY3KLzFdtHiaaovmak7Tg";
// Argon2id with three passes instead of two.
inline const QString kArgonThreePassesEntry =
    "$argon2id$v=19$m=65536,t=3,p=1$zYAFpkSd6LIxwMeBgDHxhQ$"
    "XVeVZhN5mOgzS2o8JbJQaBPq4IgwEhAklZfGQI37Lkk";
inline constexpr char kEntryPassword[] = "Geheim密码";
// The stored form of every new password.
inline constexpr char kCurrentArgonPrefix[] = "$argon2id$v=19$m=65536,t=2,p=1$";
