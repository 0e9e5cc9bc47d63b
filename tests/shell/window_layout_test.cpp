#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabBar>

#include "shell/sized_label.h"
#include "window_fixture.h"

namespace {

TEST_F(WindowTest, StartsAtItsPlaceOnTheQuantityPageWithNothingShown) {
  EXPECT_EQ(form_->pos(), QPoint(194, 111));
  EXPECT_EQ(form_->windowTitle(), "Pelorin");
  EXPECT_EQ(QApplication::applicationDisplayName(), "Pelorin");
  EXPECT_TRUE(form_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(form_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(form_->minimumSize(), form_->maximumSize());
  EXPECT_DOUBLE_EQ(form_->windowOpacity(), 1.0);
  EXPECT_EQ(pages()->currentIndex(), 0);
  EXPECT_EQ(QApplication::focusWidget(), pages()->tabBar());
  EXPECT_EQ(units()->itemIndex(), 0);
  for (const char* name :
       {"Label20", "Label4", "Label22", "Label10", "Label12", "Label16", "Label18"}) {
    EXPECT_EQ(text(name), "") << name;
  }
  for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
    EXPECT_EQ(control<QLineEdit>(name)->text(), "") << name;
  }
}

TEST_F(WindowTest, ControlsStandWhereTheWindowDescriptionPutsThem) {
  struct Place {
    const char* name;
    const char* parent;
    QRect geometry;
  };
  const Place places[] = {
      {"PageControl1", "Form1", {8, 24, 297, 249}},  {"Edit1", "TabSheet1", {8, 32, 129, 25}},
      {"Edit2", "TabSheet1", {152, 32, 129, 25}},    {"RadioGroup1", "TabSheet1", {8, 64, 273, 57}},
      {"Bevel6", "TabSheet1", {8, 128, 145, 49}},    {"Bevel7", "TabSheet1", {160, 128, 121, 49}},
      {"Button1", "TabSheet1", {160, 184, 121, 33}}, {"Bevel1", "TabSheet2", {8, 13, 273, 204}},
      {"Bevel2", "TabSheet2", {16, 101, 121, 17}},   {"Bevel3", "TabSheet2", {16, 149, 121, 17}},
      {"Bevel4", "TabSheet2", {152, 101, 121, 17}},  {"Bevel5", "TabSheet2", {152, 149, 121, 17}},
      {"Edit3", "TabSheet2", {16, 48, 121, 25}},     {"Edit4", "TabSheet2", {152, 48, 121, 25}},
      {"Button2", "TabSheet2", {152, 173, 121, 33}},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(p.name);
    QWidget* widget = control(p.name);
    EXPECT_EQ(widget->geometry(), p.geometry);
    EXPECT_EQ(widget->parentWidget()->objectName(), p.parent);
  }
  // Every control fits inside the window.
  for (QWidget* widget : form_->findChildren<QWidget*>()) {
    if (widget->isVisible()) {
      const QRect inWindow(widget->mapTo(form_.get(), QPoint(0, 0)), widget->size());
      EXPECT_TRUE(form_->rect().contains(inWindow)) << widget->objectName().toStdString();
    }
  }
}

// Labels are as wide as their text: captions keep their left edge, numbers
// their right edge beside the unit caption.
TEST_F(WindowTest, LabelsKeepTheirAnchoredEdge) {
  struct Label {
    const char* name;
    const char* caption;
    int top, anchoredEdge;
    bool right;
  };
  const Label labels[] = {
      {"Label20", "", 8, 8, false},
      {"Label25", nullptr, 280, 192, false},
      {"Label1", "余力入力", 8, 40, false},
      {"Label2", "対象株価", 8, 184, false},
      {"Label3", "売買可能株数", 136, 16, false},
      {"Label4", "", 160, 121, true},
      {"Label5", "株", 160, 128, false},
      {"Label21", "差し引き余力", 136, 168, false},
      {"Label22", "", 160, 249, true},
      {"Label23", "円", 160, 256, false},
      {"Label6", "利益確定％", 24, 40, false},
      {"Label7", "損切り確定％", 24, 168, false},
      {"Label8", "利益確定ライン株価", 82, 24, false},
      {"Label9", "損切り確定ライン株価", 82, 152, false},
      {"Label10", "", 101, 121, true},
      {"Label11", "円", 101, 120, false},
      {"Label12", "", 101, 257, true},
      {"Label13", "円", 149, 256, false},
      {"Label14", "利益", 127, 56, false},
      {"Label15", "損失", 127, 200, false},
      {"Label16", "", 149, 121, true},
      {"Label17", "円", 149, 120, false},
      {"Label18", "", 149, 257, true},
      {"Label19", "円", 101, 256, false},
      {"Label24", "損益率計算", 0, 32, false},
  };
  for (const Label& l : labels) {
    SCOPED_TRACE(l.name);
    auto* label = control<pelorin::SizedLabel>(l.name);
    if (l.caption != nullptr) {
      EXPECT_EQ(label->text(), QString::fromUtf8(l.caption));
    }
    const QString shown = label->text().isEmpty() ? " " : label->text();
    EXPECT_EQ(label->width(), label->fontMetrics().horizontalAdvance(shown));
    EXPECT_EQ(label->y(), l.top);
    EXPECT_EQ(l.right ? label->x() + label->width() : label->x(), l.anchoredEdge);
  }
}

// A number's descenders (the tail of ",") reach the bottom line of its frame,
// so the numbers are drawn after their frames, without a background that
// would cut the line. The heading alone fills its background, to interrupt
// the page frame's top line like a group caption.
TEST_F(WindowTest, NumbersDrawOverTheirFramesAndTheHeadingInterruptsThePageFrame) {
  const std::pair<const char*, const char*> stacked[] = {{"Label10", "Bevel2"},
                                                         {"Label16", "Bevel3"},
                                                         {"Label12", "Bevel4"},
                                                         {"Label18", "Bevel5"},
                                                         {"Label24", "Bevel1"}};
  const QObjectList& order = control("TabSheet2")->children();
  for (const auto& [above, below] : stacked) {
    EXPECT_GT(order.indexOf(control(above)), order.indexOf(control(below))) << above;
    EXPECT_EQ(control(above)->autoFillBackground(), std::string_view(above) == "Label24") << above;
  }
}

TEST_F(WindowTest, FontsHaveTheirPixelHeightsInTheJapaneseFace) {
  struct Font {
    const char* name;
    int pixels;
  };
  const Font fonts[] = {{"Label20", 13}, {"Label25", 11},     {"PageControl1", 12}, {"Label1", 16},
                        {"Edit1", 17},   {"RadioGroup1", 15}, {"Label22", 15},      {"Button1", 17},
                        {"Label8", 12},  {"Label6", 15},      {"Label24", 17}};
  for (const Font& f : fonts) {
    SCOPED_TRACE(f.name);
    const QFont font = control(f.name)->font();
    EXPECT_EQ(font.pixelSize(), f.pixels);
    EXPECT_EQ(font.family(), "ＭＳ Ｐゴシック");
    // The face that draws it can show Japanese, whichever stands in.
    EXPECT_TRUE(QFontMetrics(font).inFont(QChar(0x682A)));  // 株
  }
  EXPECT_EQ(control("Label20")->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(WindowTest, PagesEntriesAndButtonsCarryTheirCaptionsAndLimits) {
  EXPECT_EQ(pages()->tabText(0), "売買可能数計算");
  EXPECT_EQ(pages()->tabText(1), "損益率計算");
  EXPECT_EQ(pages()->widget(0)->objectName(), "TabSheet1");
  EXPECT_EQ(pages()->widget(1)->objectName(), "TabSheet2");
  const std::pair<const char*, int> limits[] = {
      {"Edit1", 13}, {"Edit2", 8}, {"Edit3", 5}, {"Edit4", 3}};
  for (const auto& [name, limit] : limits) {
    SCOPED_TRACE(name);
    QLineEdit* edit = control<QLineEdit>(name);
    EXPECT_EQ(edit->maxLength(), limit);
    EXPECT_TRUE(edit->alignment().testFlag(Qt::AlignRight));
  }
  for (const char* name : {"Button1", "Button2"}) {
    EXPECT_EQ(control<QPushButton>(name)->text(), "計算");
    EXPECT_TRUE(control<QPushButton>(name)->isDefault());
  }
  EXPECT_EQ(units()->title(), "単元株数選択");
  EXPECT_EQ(units()->items(),
            QStringList({"1株", "5株", "10株", "50株", "100株", "500株", "1000株"}));
  EXPECT_EQ(units()->columns(), 4);
}

// Four columns, filled column by column: 1 above 5, 10 above 50, 100 above
// 500, and 1000 alone at the top of the fourth.
TEST_F(WindowTest, TradingUnitsStandInFourColumnsFilledDownwards) {
  const int column[] = {0, 0, 1, 1, 2, 2, 3};
  const int row[] = {0, 1, 0, 1, 0, 1, 0};
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    QRadioButton* item = units()->item(i);
    EXPECT_EQ(item->y(), units()->item(row[i])->y());
    EXPECT_EQ(item->x(), units()->item(2 * column[i])->x());
    if (column[i] > 0) {
      EXPECT_EQ(item->x(), units()->item(2 * column[i] - 1)->geometry().right() + 1);
    }
    EXPECT_TRUE(units()->rect().contains(item->geometry()));
    EXPECT_LE(item->sizeHint().width(), item->width()) << "caption cut off";
  }
  EXPECT_GT(units()->item(1)->y(), units()->item(0)->y());
}

TEST_F(WindowTest, WindowHoldsEveryControlByName) {
  const char* names[] = {
      "Label20", "PageControl1", "TabSheet1",   "Label1",    "Label2",  "Label3",  "Label4",
      "Label5",  "Bevel6",       "Label21",     "Label22",   "Label23", "Bevel7",  "Edit1",
      "Edit2",   "Button1",      "RadioGroup1", "TabSheet2", "Label6",  "Label7",  "Label8",
      "Label9",  "Label10",      "Label11",     "Label12",   "Label13", "Label14", "Label15",
      "Label16", "Label17",      "Label18",     "Label19",   "Bevel1",  "Bevel2",  "Bevel3",
      "Bevel4",  "Bevel5",       "Label24",     "Edit3",     "Edit4",   "Button2", "Label25"};
  EXPECT_EQ(std::size(names), 42u);
  for (const char* name : names) {
    EXPECT_NE(form_->findChild<QWidget*>(name), nullptr) << name;
  }
}

TEST_F(WindowTest, ScreenReadersHearWhatEachControlIs) {
  const std::pair<const char*, const char*> names[] = {{"Edit1", "余力入力"},
                                                       {"Edit2", "対象株価"},
                                                       {"Edit3", "利益確定％"},
                                                       {"Edit4", "損切り確定％"}};
  for (const auto& [control_name, name] : names) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(control_name));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(name)) << control_name;
  }
  const std::pair<const char*, const char*> descriptions[] = {{"Label4", "売買可能株数"},
                                                              {"Label22", "差し引き余力"},
                                                              {"Label10", "利益確定ライン株価"},
                                                              {"Label12", "損切り確定ライン株価"},
                                                              {"Label16", "利益"},
                                                              {"Label18", "損失"}};
  for (const auto& [control_name, description] : descriptions) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(control_name));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Description), QString::fromUtf8(description))
        << control_name;
  }
  EXPECT_FALSE(control("Label20")->accessibleDescription().isEmpty());
  QAccessibleInterface* button = QAccessible::queryAccessibleInterface(control("Button1"));
  EXPECT_EQ(button->text(QAccessible::Name), "計算");
  QAccessibleInterface* item = QAccessible::queryAccessibleInterface(units()->item(4));
  EXPECT_EQ(item->text(QAccessible::Name), "100株");
}

}  // namespace
