#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QStringList>

#include "PasswordEntries.h"
#include "core/operators/PasswordHash.h"

namespace {

TEST(PasswordHashTest, NewDigestIsASaltedArgon2idStringThatVerifiesOnlyTheSamePassword) {
  const QString first = TPasswordHash::Make("Geheim密码");
  const QString second = TPasswordHash::Make("Geheim密码");
  EXPECT_NE(first, second);
  EXPECT_TRUE(first.startsWith(kCurrentArgonPrefix)) << first.toStdString();
  EXPECT_FALSE(first.contains("Geheim"));
  EXPECT_LE(first.size(), 250);  // operator.Password
  EXPECT_TRUE(TPasswordHash::IsHash(first));
  EXPECT_FALSE(TPasswordHash::NeedsRehash(first));
  for (const QString& stored : {first, second, kArgonEntry}) {
    EXPECT_TRUE(TPasswordHash::Verify("Geheim密码", stored));
    EXPECT_FALSE(TPasswordHash::Verify("geheim密码", stored));
    EXPECT_FALSE(TPasswordHash::Verify("Geheim密码 ", stored));
    EXPECT_FALSE(TPasswordHash::Verify("", stored));
  }
}

TEST(PasswordHashTest, OlderFormsStillCheckAndAskToBeWrittenAgain) {
  const struct {
    QString stored;
    bool rehash;
  } cases[] = {
      {kPbkdf2Entry, true},
      {kArgonThreePassesEntry, true},
      {kArgonEntry, false},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(TPasswordHash::IsHash(c.stored)) << c.stored.toStdString();
    EXPECT_TRUE(TPasswordHash::Matches("Geheim密码", c.stored)) << c.stored.toStdString();
    EXPECT_FALSE(TPasswordHash::Matches("Geheim", c.stored)) << c.stored.toStdString();
    EXPECT_EQ(TPasswordHash::NeedsRehash(c.stored), c.rehash) << c.stored.toStdString();
  }
  EXPECT_TRUE(TPasswordHash::NeedsRehash("Abc"));
  EXPECT_FALSE(TPasswordHash::NeedsRehash(""));
}

TEST(PasswordHashTest, PlainTextAndBrokenDigestsAreNotDigests) {
  const QStringList parts = kPbkdf2Entry.split('$');
  const QStringList notDigests = {
      "",
      "secret",
      "pbkdf2-sha256$20000$abc",
      "pbkdf2-sha256$many$" + parts[2] + "$" + parts[3],
      "pbkdf2-sha256$0$" + parts[2] + "$" + parts[3],
      "pbkdf2-sha256$-5$" + parts[2] + "$" + parts[3],
      "pbkdf2-sha256$20000$" + parts[2] + "$" + parts[3].left(20),
      "pbkdf2-sha256$20000$!!$" + parts[3],
      "md5$20000$" + parts[2] + "$" + parts[3],
      "$argon2id$v=19$m=65536,t=2,p=1$kqdsFet+uJ8TK8IM06N3AA",
      "$argon2id$v=19$m=65536,t=two,p=1$kqdsFet+uJ8TK8IM06N3AA$h2c/WcCn3Wg20MBl4dveOfpY3KLzFdtHia",
      "$argon2id$v=16$m=65536,t=2,p=1$kqdsFet+uJ8TK8IM06N3AA$h2c/WcCn3Wg20MBl4dveOfpY3KLzFdtHia",
      "$argon2i$v=19$m=65536,t=2,p=1$kqdsFet+uJ8TK8IM06N3AA$h2c/WcCn3Wg20MBl4dveOfpY3KLzFdtHia",
      kArgonEntry + "$",
  };
  for (const QString& text : notDigests) {
    EXPECT_FALSE(TPasswordHash::IsHash(text)) << text.toStdString();
    EXPECT_FALSE(TPasswordHash::Verify("Geheim密码", text)) << text.toStdString();
  }
}

TEST(PasswordHashTest, EntryAskingForMoreThanTheLimitsFailsAtOnce) {
  QString argon = kArgonEntry;
  const QString cost = "m=65536,t=2,p=1";
  const QStringList forged = {
      QString(argon).replace(cost, "m=262145,t=2,p=1"),
      QString(argon).replace(cost, "m=4194304,t=2,p=1"),
      QString(argon).replace(cost, "m=99999999999999999999999,t=2,p=1"),
      QString(argon).replace(cost, "m=65536,t=9,p=1"),
      QString(argon).replace(cost, "m=262144,t=8,p=1"),
      QString(argon).replace(cost, "m=131072,t=5,p=1"),
      QString(argon).replace(cost, "m=65536,t=1000000,p=1"),
      QString(argon).replace(cost, "m=65536,t=2,p=64"),
      QString(argon).replace(cost, "m=65536,t=2,p=0"),
      QString(kPbkdf2Entry).replace("$20000$", "$300001$"),
      QString(kPbkdf2Entry).replace("$20000$", "$2000000000$"),
      QString(kPbkdf2Entry).replace("$20000$", "$99999999999999999999$"),
  };
  QElapsedTimer clock;
  clock.start();
  for (const QString& stored : forged) {
    // Still a digest (the administration dialog keeps it as it is), but it never checks.
    EXPECT_TRUE(TPasswordHash::IsHash(stored)) << stored.toStdString();
    EXPECT_FALSE(TPasswordHash::Matches("Geheim密码", stored)) << stored.toStdString();
    EXPECT_FALSE(TPasswordHash::Matches(stored, stored)) << stored.toStdString();
  }
  // Any of them verified would take seconds to hours.
  EXPECT_LT(clock.elapsed(), 1000);
}

TEST(PasswordHashTest, StoredTextMatchesDigestsAndExactPlainText) {
  EXPECT_EQ(TPasswordHash::ForStorage(""), "");
  EXPECT_TRUE(TPasswordHash::Matches("", ""));
  EXPECT_FALSE(TPasswordHash::Matches("", "Abc"));
  EXPECT_TRUE(TPasswordHash::Matches("Abc", "Abc"));
  EXPECT_FALSE(TPasswordHash::Matches("abc", "Abc"));
  EXPECT_FALSE(TPasswordHash::Matches("x", ""));
  const QString stored = TPasswordHash::ForStorage("Abc");
  EXPECT_TRUE(TPasswordHash::Matches("Abc", stored));
  EXPECT_FALSE(TPasswordHash::Matches(stored, stored));  // the digest is no password
}

}  // namespace
