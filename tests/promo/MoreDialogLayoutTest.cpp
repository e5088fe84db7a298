// Frames of the more-apps dialog for the three screen sizes, and the widgets
// that display them.
#include <gtest/gtest.h>

#include <QRectF>

#include "PromoTestSupport.h"
#include "platform/DeviceProfile.h"
#include "promo/MoreDialogLayout.h"
#include "promo/UIGotoMoreView.h"

namespace {

struct F {
  float x, y, w, h;
};

// The frame model holds single-precision values: compare them as floats.
void expectFrame(const QRectF& got, F want, const char* what) {
  EXPECT_EQ(static_cast<float>(got.x()), want.x) << what;
  EXPECT_EQ(static_cast<float>(got.y()), want.y) << what;
  EXPECT_EQ(static_cast<float>(got.width()), want.w) << what;
  EXPECT_EQ(static_cast<float>(got.height()), want.h) << what;
}

struct Case {
  float w, h;
  F title, details, icon, demo, get, more, later;
};

// The demonstration picture's height is (W - 16) * 400 / 768: 475/3 and 1175/3.
const float kPhoneDemoH = static_cast<float>(475.0 / 3.0);
const float kTabletDemoH = static_cast<float>(1175.0 / 3.0);

const Case kCases[] = {
    {320,
     480,
     {0, 38.4f, 320, 32},
     {85, 72, 235, 160},
     {8, 100.8f, 80, 80},
     {8, 225.6f, 304, kPhoneDemoH},
     {20, 412.8f, 80, 40},
     {120, 412.8f, 80, 40},
     {220, 412.8f, 80, 40}},
    {320,
     568,
     {0, 45.44f, 320, 32},
     {85, 85.2f, 235, 160},
     {8, 119.28f, 80, 80},
     {8, 266.96f, 304, kPhoneDemoH},
     {20, 488.48f, 80, 40},
     {120, 488.48f, 80, 40},
     {220, 488.48f, 80, 40}},
    {768,
     1024,
     {0, 81.92f, 768, 76.8f},
     {197, 153.6f, 571, 384},
     {8, 215.04f, 192, 192},
     {8, 481.28f, 752, kTabletDemoH},
     {48, 880.64f, 192, 96},
     {288, 880.64f, 192, 96},
     {528, 880.64f, 192, 96}},
};

TEST(MoreDialogLayout, FramesOfTheThreeScreenSizes) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    const promo::MoreDialogLayout l = promo::moreDialogLayout(c.w, c.h);
    expectFrame(l.title, c.title, "title");
    expectFrame(l.details, c.details, "text area");
    expectFrame(l.appicon, c.icon, "icon");
    expectFrame(l.demo, c.demo, "demonstration picture");
    expectFrame(l.getbtn, c.get, "Get it");
    expectFrame(l.morebtn, c.more, "More");
    expectFrame(l.laterbtn, c.later, "Next time");
  }
}

TEST(MoreDialogLayout, ShapesAndOverlaps) {
  for (const Case& c : kCases) {
    const promo::MoreDialogLayout l = promo::moreDialogLayout(c.w, c.h);
    // The text area starts 3 points inside the icon's column.
    EXPECT_FLOAT_EQ(static_cast<float>(l.appicon.right() - l.details.left()), 3.0f);
    // The text area reaches the right edge; the buttons share one row.
    EXPECT_FLOAT_EQ(static_cast<float>(l.details.right()), c.w);
    EXPECT_EQ(l.getbtn.y(), l.morebtn.y());
    EXPECT_EQ(l.getbtn.y(), l.laterbtn.y());
    EXPECT_LT(l.getbtn.right(), l.morebtn.left());
    EXPECT_LT(l.morebtn.right(), l.laterbtn.left());
    EXPECT_LE(l.laterbtn.right(), c.w);
  }
}

TEST(MoreDialogLayout, FontSizesByDeviceClass) {
  const promo::MoreDialogFonts phone = promo::moreDialogFonts(false);
  const promo::MoreDialogFonts tablet = promo::moreDialogFonts(true);
  EXPECT_EQ(phone.title, 18);
  EXPECT_EQ(phone.details, 16);
  EXPECT_EQ(phone.label, 18);
  EXPECT_EQ(tablet.title, 38);
  EXPECT_EQ(tablet.details, 32);
  EXPECT_EQ(tablet.label, 34);
}

// Widget geometry follows the model to within rounding; the model itself is
// what the dialog reports.
TEST(MoreDialogLayout, DialogKeepsTheModelAndDisplaysIt) {
  promo_test::useFreshSettings();
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    UIGotoMoreView view(QRectF(0, 0, c.w, c.h));
    EXPECT_EQ(view.frame(), QRectF(0, 0, c.w, c.h));
    EXPECT_EQ(view.geometry(), QRect(0, 0, static_cast<int>(c.w), static_cast<int>(c.h)));
    expectFrame(view.titleFrame(), c.title, "title");
    expectFrame(view.detailsFrame(), c.details, "text area");
    expectFrame(view.appiconFrame(), c.icon, "icon");
    expectFrame(view.demoFrame(), c.demo, "demonstration picture");
    expectFrame(view.getbtnFrame(), c.get, "Get it");
    expectFrame(view.morebtnFrame(), c.more, "More");
    expectFrame(view.laterbtnFrame(), c.later, "Next time");

    const auto near = [](const QRect& shown, const QRectF& model) {
      return std::abs(shown.left() - model.left()) <= 0.5 && std::abs(shown.top() - model.top()) <= 0.5 &&
             std::abs(shown.left() + shown.width() - model.right()) <= 0.5 &&
             std::abs(shown.top() + shown.height() - model.bottom()) <= 0.5;
    };
    EXPECT_TRUE(near(view.title()->geometry(), view.titleFrame()));
    EXPECT_TRUE(near(view.details()->geometry(), view.detailsFrame()));
    EXPECT_TRUE(near(view.appicon()->geometry(), view.appiconFrame()));
    EXPECT_TRUE(near(view.getbtn()->geometry(), view.getbtnFrame()));
    EXPECT_TRUE(near(view.morebtn()->geometry(), view.morebtnFrame()));
    EXPECT_TRUE(near(view.laterbtn()->geometry(), view.laterbtnFrame()));
    // Each label lies over its button at the same frame.
    EXPECT_EQ(view.getlabel()->geometry(), view.getbtn()->geometry());
    EXPECT_EQ(view.morelabel()->geometry(), view.morebtn()->geometry());
    EXPECT_EQ(view.laterlabel()->geometry(), view.laterbtn()->geometry());
    // The demonstration picture's widget leaves room for the shadow; the
    // picture's own frame inside it is the model's.
    EXPECT_TRUE(QRectF(view.demoiimgview0()->geometry()).contains(view.demoFrame()));
    EXPECT_EQ(view.demoiimgview0()->frameRect().translated(view.demoiimgview0()->pos()), view.demoFrame());
  }
}

}  // namespace
