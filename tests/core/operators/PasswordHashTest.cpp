#include <gtest/gtest.h>

#include <QStringList>

#include "core/operators/PasswordHash.h"

namespace {

TEST(PasswordHashTest, DigestIsSaltedAndVerifiesOnlyTheSamePassword) {
  const QString first = TPasswordHash::Make("Geheim密码");
  const QString second = TPasswordHash::Make("Geheim密码");
  EXPECT_NE(first, second);
  EXPECT_TRUE(first.startsWith(QString("pbkdf2-sha256$%1$").arg(TPasswordHash::kIterations)));
  EXPECT_FALSE(first.contains("Geheim"));
  EXPECT_LE(first.size(), 250);  // operator.Password
  EXPECT_TRUE(TPasswordHash::IsHash(first));
  for (const QString& stored : {first, second}) {
    EXPECT_TRUE(TPasswordHash::Verify("Geheim密码", stored));
    EXPECT_FALSE(TPasswordHash::Verify("geheim密码", stored));
    EXPECT_FALSE(TPasswordHash::Verify("Geheim密码 ", stored));
    EXPECT_FALSE(TPasswordHash::Verify("", stored));
  }
}

TEST(PasswordHashTest, PlainTextAndBrokenDigestsAreNotDigests) {
  const QString good = TPasswordHash::Make("x");
  const QStringList parts = good.split('$');
  const QStringList notDigests = {
      "",
      "secret",
      "pbkdf2-sha256$20000$abc",
      "pbkdf2-sha256$many$" + parts[2] + "$" + parts[3],
      "pbkdf2-sha256$0$" + parts[2] + "$" + parts[3],
      "pbkdf2-sha256$20000$" + parts[2] + "$" + parts[3].left(20),
      "pbkdf2-sha256$20000$!!$" + parts[3],
      "md5$20000$" + parts[2] + "$" + parts[3],
  };
  for (const QString& text : notDigests) {
    EXPECT_FALSE(TPasswordHash::IsHash(text)) << text.toStdString();
    EXPECT_FALSE(TPasswordHash::Verify("x", text)) << text.toStdString();
  }
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
