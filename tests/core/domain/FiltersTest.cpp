#include <gtest/gtest.h>

#include "DomainFixture.h"
#include "ScriptedMessageBox.h"
#include "core/base/Variants.h"
#include "core/domain/Commodity.h"

namespace {

class FiltersTest : public DomainTest {
 protected:
  void AddCommodity(int id, const QString& name, const QString& barcode) {
    Db().Execute("insert into commodity (Id, Name, Barcode) values (:Id, :Name, :Barcode)",
                 {MakeParam("Id", id), MakeParam("Name", name), MakeParam("Barcode", barcode)});
  }
  void AddBill(int id, const QDateTime& biztime, const QDateTime& accotime,
               const QString& accoman = "sa") {
    Db().Execute(
        "insert into consume (Id, CardId, Biztime, Accotime, Accoman) values (:Id, 1, :Biztime, "
        ":Accotime, :Accoman)",
        {MakeParam("Id", id), MakeParam("Biztime", biztime), MakeParam("Accotime", accotime),
         MakeParam("Accoman", accoman)});
  }
  // The values of one field in every row of the set, in order.
  static QStringList Column(TRecordSet& set, const char* field) {
    QStringList values;
    for (set.DataSet()->First(); !set.DataSet()->Eof(); set.DataSet()->Next())
      values << set.FieldByName(field)->AsString();
    return values;
  }
  QStringList MemberNames(const QString& keyword) {
    TMemberSet members;
    members.Where().FieldByName("Keyword")->SetValue(keyword);
    members.Search();
    return Column(members, "Name");
  }
  QStringList CommodityNames(const QString& keyword) {
    TCommoditySet commodities;
    commodities.Where().FieldByName("Keyword")->SetValue(keyword);
    commodities.Search();
    return Column(commodities, "Name");
  }
  QStringList BillIds(const char* field, const QVariant& value) {
    TConsumeSet bills;
    bills.Where().FieldByName(field)->SetValue(value);
    bills.Search();
    return Column(bills, "Id");
  }
};

QDateTime At(int day, int hour, int minute = 0, int second = 0) {
  return QDateTime(QDate(2013, 1, day), QTime(hour, minute, second));
}

TEST_P(FiltersTest, DateLimitsTakeMidnightOfTheDayOnEveryDatabase) {
  AddMember("张三");
  AddBill(1, At(14, 23, 59, 59), At(14, 23, 59, 59));
  AddBill(2, At(15, 0), At(15, 0));
  AddBill(3, At(15, 10), At(15, 10));
  AddBill(4, At(16, 0), At(16, 0));
  const QDateTime day = At(15, 14, 30);  // the time of day of a limit plays no part
  struct Case {
    const char* field;
    QStringList ids;
  };
  const Case cases[] = {{"Biztime1", {"2", "3", "4"}},
                        {"Biztime2", {"1", "2"}},
                        {"Accotime1", {"2", "3", "4"}},
                        {"Accotime2", {"1", "2"}}};
  for (const Case& c : cases) EXPECT_EQ(BillIds(c.field, day), c.ids) << c.field;
  EXPECT_EQ(BillIds("Biztime2", At(16, 0)), QStringList({"1", "2", "3", "4"}));
}

TEST_P(FiltersTest, HostileSearchTextsFindOnlyWhatTheyHold) {
  AddMember("张三", "A100", "13800001111");
  AddMember("坏\uFFFD名", "B200", "");
  AddCommodity(1, "可乐", "690001");
  AddCommodity(2, "坏\uFFFD货", "690002");
  AddBill(1, At(15, 10), At(15, 10), "sa");
  const QString lone = QString(QChar(0xD800));
  const QString trail = QString(QChar(0xDC00));
  const QString nul = QString(QChar(0));
  struct Case {
    QString keyword;
    QStringList members;
    QStringList commodities;
  };
  const Case cases[] = {
      // A lone surrogate once paired with the quote behind it and ended the literal.
      {"a" + lone + "' or 1=1 --", {}, {}},
      {lone + "' or '1'='1", {}, {}},
      {lone, {"坏\uFFFD名"}, {"坏\uFFFD货"}},
      {"坏" + lone + "名", {"坏\uFFFD名"}, {}},
      {trail + "'", {}, {}},
      {"张" + nul + "三", {"张三"}, {}},
      {nul, {"张三", "坏\uFFFD名"}, {"可乐", "坏\uFFFD货"}},
      {nul + "' or 1=1 --", {}, {}},
      {"' or '1'='1", {}, {}},
      {"\\' or 1=1) --", {}, {}},
      {"'); delete from members; --", {}, {}},
      {"%", {}, {}},
      {"_", {}, {}},
      {"!", {}, {}},
      {"6900", {}, {"可乐", "坏\uFFFD货"}},
  };
  for (const Case& c : cases) {
    TMessageScript messages;
    EXPECT_EQ(MemberNames(c.keyword), c.members) << c.keyword.toStdString();
    EXPECT_EQ(CommodityNames(c.keyword), c.commodities) << c.keyword.toStdString();
    EXPECT_EQ(BillIds("Accoman", c.keyword), QStringList()) << c.keyword.toStdString();
    EXPECT_TRUE(messages->Boxes.isEmpty()) << messages->LastText().toStdString();
  }
  EXPECT_EQ(BillIds("Accoman", "s" + nul + "a"), QStringList({"1"}));
  EXPECT_EQ(Count("members"), 2);
}

INSTANTIATE_ON_BOTH_DATABASES(FiltersTest);

// A PostgreSQL database whose standard_conforming_strings is off reads a backslash in a literal
// as an escape. The connection turns it on for its session, and search texts are bound.
class NonConformingStringsTest : public FiltersTest {
 protected:
  void SetUp() override {
    FiltersTest::SetUp();
    if (IsSkipped()) return;
    database_ = ConnectionStringProperty(Db().ConnectionString(), "Initial Catalog");
    Db().Execute(QString("alter database %1 set standard_conforming_strings = off").arg(database_));
    Db().SetConnected(false);
    Db().EnsureOpen();
  }
  void TearDown() override {
    if (!database_.isEmpty())
      Db().Execute(QString("alter database %1 reset standard_conforming_strings").arg(database_));
    FiltersTest::TearDown();
  }
  QString database_;
};

TEST_P(NonConformingStringsTest, SearchTextsFindNothingAndChangeNothing) {
  EXPECT_EQ(VarToStr(Scalar("select array_to_string(setconfig, ',') from pg_db_role_setting s "
                            "join pg_database d on d.oid=s.setdatabase where "
                            "d.datname=current_database()")),
            "standard_conforming_strings=off");
  EXPECT_EQ(VarToStr(Scalar("show standard_conforming_strings")), "on");

  const int card = AddMember("张三", "A100").CardId;
  AddMember("李四", "B200");
  AddMember("王\\五", "C300");
  TopUp(card, 100);
  AddBill(1, At(15, 10), At(15, 10), "sa");
  EXPECT_EQ(MemberNames("\\' or 1=1) --"), QStringList());
  EXPECT_EQ(BillIds("Accoman", "\\' or 1=1 --"), QStringList());
  EXPECT_EQ(MemberNames("\\'); update cards set Balance=Balance+1000000; --"), QStringList());
  EXPECT_DOUBLE_EQ(CardTotals(card).Balance, 100);
  EXPECT_EQ(Scalar("select count(*) from cards where Balance>=1000000").toInt(), 0);
  // A backslash is a plain character both ways.
  EXPECT_EQ(MemberNames("王\\"), QStringList({"王\\五"}));
  EXPECT_EQ(MemberNames("\\"), QStringList({"王\\五"}));
}

INSTANTIATE_TEST_SUITE_P(Databases, NonConformingStringsTest, testing::Values(TBackend::PostgreSQL),
                         BackendName);

}  // namespace
