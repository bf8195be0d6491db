#include <gtest/gtest.h>

#include "DomainFixture.h"
#include "core/domain/Comcata.h"
#include "core/domain/Commodity.h"
#include "core/domain/Gift.h"

namespace {

class CatalogueTest : public DomainTest {
 protected:
  RComcata AddCategory(const QString& name, int parentSlfId) {
    RComcata category;
    category.Name = name;
    category.PrtId = parentSlfId;
    EXPECT_TRUE(TComcataSet::Insert(category));
    return category;
  }
  QStringList Placement() {
    TComcataSet tree;
    tree.Open();
    QStringList rows;
    for (tree.DataSet()->First(); !tree.DataSet()->Eof(); tree.DataSet()->Next()) {
      const RComcata c = tree.GetAsData();
      rows << QString("%1:%2:%3:%4").arg(c.Name).arg(c.SlfId).arg(c.PrtId).arg(c.Code);
    }
    return rows;
  }
};

TEST_P(CatalogueTest, CategoriesTakePositionsAndCodes) {
  const RComcata top = AddCategory("饮品", 0);
  EXPECT_EQ(top.Id, 1);
  EXPECT_EQ(top.Code, "1.");
  const RComcata child = AddCategory("咖啡", top.SlfId);
  EXPECT_EQ(child.SlfId, 2);
  EXPECT_EQ(child.Code, "1.2.");
  const RComcata stale = AddCategory("孤儿", 99);
  EXPECT_EQ(stale.Code, "3.");
  EXPECT_EQ(stale.PrtId, 99);
  EXPECT_EQ(Placement(), QStringList({"饮品:1:0:1.", "咖啡:2:1:1.2.", "孤儿:3:99:3."}));

  RComcata renamed = child;
  renamed.Name = "咖啡豆";
  EXPECT_TRUE(TComcataSet::Update(renamed));
  renamed.Id = 50;
  EXPECT_FALSE(TComcataSet::Update(renamed));
}

TEST_P(CatalogueTest, SubtreeIsDeletedWholeOrNotAtAll) {
  const RComcata top = AddCategory("饮品", 0);
  const RComcata a = AddCategory("咖啡", top.SlfId);
  const RComcata b = AddCategory("茶", top.SlfId);
  const RComcata grandchild = AddCategory("红茶", b.SlfId);
  RComcata gone = AddCategory("已删", 0);
  ASSERT_TRUE(TComcataSet::Delete({gone}));
  EXPECT_FALSE(TComcataSet::Delete({top, a, gone, b, grandchild}));
  EXPECT_EQ(Count("comcatas"), 4);
  EXPECT_TRUE(TComcataSet::Delete({top, a, b, grandchild}));
  EXPECT_EQ(Count("comcatas"), 0);
  EXPECT_TRUE(TComcataSet::Delete({}));
}

TEST_P(CatalogueTest, RenumberStoresTheNewOrder) {
  RComcata a = AddCategory("A", 0);
  RComcata a1 = AddCategory("A1", a.SlfId);
  RComcata b = AddCategory("B", 0);
  RComcata b1 = AddCategory("B1", b.SlfId);
  RComcata c = AddCategory("C", 0);
  // C moved to the top: C, A, A1, B, B1.
  c.SlfId = 1, c.PrtId = 0, c.Code = "1.";
  a.SlfId = 2, a.PrtId = 0, a.Code = "2.";
  a1.SlfId = 3, a1.PrtId = 2, a1.Code = "2.3.";
  b.SlfId = 4, b.PrtId = 0, b.Code = "4.";
  b1.SlfId = 5, b1.PrtId = 4, b1.Code = "4.5.";
  ASSERT_TRUE(TComcataSet::Renumber({c, a, a1, b, b1}));
  EXPECT_EQ(Placement(),
            QStringList({"C:1:0:1.", "A:2:0:2.", "A1:3:2:2.3.", "B:4:0:4.", "B1:5:4:4.5."}));

  RComcata missing = c;
  missing.Id = 77;
  EXPECT_FALSE(TComcataSet::Renumber({a, missing}));
  EXPECT_EQ(Placement().first(), "C:1:0:1.");  // rolled back, codes included
}

TEST_P(CatalogueTest, CommoditiesAndGiftsKeepTheirKeys) {
  const RComcata drinks = AddCategory("饮品", 0);
  RCommodity coffee;
  coffee.Name = "拿铁咖啡";
  coffee.Barcode = "6901234";
  coffee.CataId = drinks.Id;
  ASSERT_TRUE(TCommoditySet::Save(coffee));
  EXPECT_EQ(coffee.Id, 1);
  RCommodity ghost;
  ghost.Id = 9;
  EXPECT_FALSE(TCommoditySet::Save(ghost));
  EXPECT_EQ(ghost.Id, 9);
  EXPECT_FALSE(TCommoditySet::Delete(9));

  TCommoditySet list;
  for (const char* keyword : {"拿铁", "1234"}) {
    list.Where().Clear();
    list.Where().FieldByName("Keyword")->SetValue(keyword);
    ASSERT_EQ(list.Search(), 1) << keyword;
    EXPECT_EQ(list.FieldByName("CataName")->AsString(), "饮品");
  }
  // A commodity whose category is gone keeps its CataId and lists without a category name...
  ASSERT_TRUE(TComcataSet::Delete({drinks}));
  list.Search();
  EXPECT_EQ(list.FieldByName("CataName")->AsString(), "");
  EXPECT_EQ(list.AsData().CataId, drinks.Id);
  // ...and a new category does not take over its commodities.
  EXPECT_EQ(AddCategory("新类", 0).Id, 2);

  Db().Execute("insert into gifts (Id, Name) values (8, 'x')");
  RGift gift{0, "G", "礼品", 10, 1, ""};
  ASSERT_TRUE(TGiftSet::Save(gift));
  EXPECT_EQ(gift.Id, 9);
}

INSTANTIATE_ON_BOTH_DATABASES(CatalogueTest);

}  // namespace
