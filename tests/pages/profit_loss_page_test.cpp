#include "../shell/window_fixture.h"

namespace {

class ProfitLossPageTest : public WindowTest {
 protected:
  // The worked example: 1,000,000 yen, share price 1,234, 100-share lots.
  void enterExample() const {
    type("Edit1", "1000000");
    type("Edit2", "1234");
    clickUnit(4);
    pages()->setCurrentIndex(1);
    type("Edit3", "10");
    type("Edit4", "5");
  }
  void calculate() const { QTest::mouseClick(control("Button2"), Qt::LeftButton); }
  QStringList results() const {
    return {text("Label10"), text("Label12"), text("Label16"), text("Label18"), text("Label20")};
  }
};

TEST_F(ProfitLossPageTest, ShowsTheFourResultsBesideTheirYenCaptions) {
  enterExample();
  calculate();
  EXPECT_EQ(results(), QStringList({"1,357", "1,172", "98,400", "-49,600", ""}));
  for (const auto& [name, rightEdge] :
       {std::pair{"Label10", 121}, {"Label16", 121}, {"Label12", 257}, {"Label18", 257}}) {
    EXPECT_EQ(control(name)->geometry().right() + 1, rightEdge) << name;
  }
}

// State: results shown on both pages. Action: another trading unit, and a
// new buying power. Expected: only the quantity page recalculates.
TEST_F(ProfitLossPageTest, ChangesOnTheQuantityPageDoNotRecomputeThisPage) {
  enterExample();
  calculate();
  pages()->setCurrentIndex(0);
  type("Edit1", "5000000");
  clickUnit(6);
  EXPECT_EQ(text("Label4"), "4,000");
  EXPECT_EQ(results(), QStringList({"1,357", "1,172", "98,400", "-49,600", ""}));
  pages()->setCurrentIndex(1);
  calculate();
  EXPECT_EQ(text("Label16"), "492,000");
}

// The one status line belongs to whichever calculation ran last.
TEST_F(ProfitLossPageTest, BothPagesShareTheStatusLine) {
  enterExample();
  type("Edit4", "101");
  calculate();
  EXPECT_EQ(text("Label20"), "損切り確定％が100％を越えています");
  pages()->setCurrentIndex(0);
  EXPECT_EQ(text("Label20"), "損切り確定％が100％を越えています");
  QTest::mouseClick(control("Button1"), Qt::LeftButton);
  EXPECT_EQ(text("Label20"), "");
  type("Edit1", "3000000000");
  QTest::mouseClick(control("Button1"), Qt::LeftButton);
  EXPECT_EQ(text("Label20"), "");
  pages()->setCurrentIndex(1);
  type("Edit4", "5");
  calculate();
  EXPECT_EQ(results(), QStringList({"", "", "", "", "余力、株価を整数で入力して下さい"}));
}

}  // namespace
