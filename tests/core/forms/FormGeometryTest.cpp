#include <gtest/gtest.h>

#include "core/forms/FormGeometry.h"
#include "core/forms/HelpTopics.h"

namespace {

struct PlacementCase {
  QPoint cursor;
  QSize form;
  QPoint expected;
};

TEST(FormGeometryTest, FormOpensCentredOnTheCursorInsideTheScreenMargins) {
  const QSize screen(1024, 768);
  const PlacementCase cases[] = {
      {{500, 400}, {400, 300}, {300, 250}},    // plain centring
      {{500, 400}, {401, 301}, {300, 250}},    // halves truncated
      {{100, 400}, {400, 300}, {20, 250}},     // would start left of the screen: 20, not -100
      {{1000, 400}, {400, 300}, {604, 250}},   // kept 20 pixels from the right edge
      {{500, 50}, {400, 300}, {300, 20}},      // would start above the screen
      {{500, 700}, {400, 300}, {300, 418}},    // lifted to end 50 pixels above the bottom
      {{500, 400}, {1100, 900}, {20, 20}},     // larger than the screen, cursor near the middle
      {{600, 500}, {1100, 900}, {-96, -182}},  // larger than the screen: the clamped position
  };
  for (const PlacementCase& c : cases)
    EXPECT_EQ(PlaceAtCursor(c.cursor, c.form, screen), c.expected)
        << c.cursor.x() << "," << c.cursor.y() << " " << c.form.width() << "x" << c.form.height();
}

TEST(FormGeometryTest, BorderlessFormResizesByCornersAndEdges) {
  const QSize form(200, 100);
  const struct {
    QPoint point;
    THitZone zone;
  } cases[] = {
      {{2, 2}, THitZone::TopLeft},     {{9, 9}, THitZone::TopLeft},
      {{195, 3}, THitZone::TopRight},  {{195, 95}, THitZone::BottomRight},
      {{3, 95}, THitZone::BottomLeft}, {{4, 50}, THitZone::Left},
      {{100, 4}, THitZone::Top},       {{196, 50}, THitZone::Right},
      {{100, 96}, THitZone::Bottom},   {{10, 50}, THitZone::Client},
      {{100, 50}, THitZone::Client},   {{190, 50}, THitZone::Client},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BorderlessHitTest(c.point, form), c.zone) << c.point.x() << "," << c.point.y();
}

TEST(FormGeometryTest, HelpTopicIsTheFormNameWithoutItsLastThreeCharacters) {
  EXPECT_EQ(THelpTopics::TopicOf("MemberEditFrm"), "MemberEdit");
  EXPECT_EQ(THelpTopics::TopicOf("mainFrm"), "main");
  EXPECT_EQ(THelpTopics::TopicOf("Frm"), "");
  EXPECT_TRUE(THelpTopics::PageOf("MemberEdit").endsWith("/help/MemberEdit.html"));
  // A topic without a page of its own, and an empty one, show the main page.
  EXPECT_TRUE(THelpTopics::PageOf("CompanyInfo").endsWith("/help/main.html"));
  EXPECT_TRUE(THelpTopics::PageOf("").endsWith("/help/main.html"));
}

}  // namespace
