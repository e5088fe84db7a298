// Frames of the more-apps dialog for the three screen sizes, the widgets that
// display them, and the fonts chosen by device model.
#include <gtest/gtest.h>

#include <QRectF>
#include <vector>

#include "TestSupport.h"
#include "platform/DeviceProfile.h"
#include "platform/UserDefaults.h"
#include "promo/MoreDialogLayout.h"
#include "promo/UIGotoMoreView.h"

namespace {

struct F {
  float x, y, w, h;
};

// The frame model holds single-precision values: compare them as floats.
void expectFrame(const QRectF& got, F want) {
  EXPECT_EQ(static_cast<float>(got.x()), want.x);
  EXPECT_EQ(static_cast<float>(got.y()), want.y);
  EXPECT_EQ(static_cast<float>(got.width()), want.w);
  EXPECT_EQ(static_cast<float>(got.height()), want.h);
}

// A widget's integer geometry is the float frame to within rounding.
bool near(const QRect& shown, const QRectF& model) {
  return std::abs(shown.left() - model.left()) <= 0.5 && std::abs(shown.top() - model.top()) <= 0.5 &&
         std::abs(shown.left() + shown.width() - model.right()) <= 0.5 &&
         std::abs(shown.top() + shown.height() - model.bottom()) <= 0.5;
}

std::vector<QString>* g_logLines = nullptr;
void captureLog(QtMsgType, const QMessageLogContext& context, const QString& message) {
  if (g_logLines && context.category && QByteArray(context.category) == "vorlane")
    g_logLines->push_back(message);
}

// Frames: title, text area, icon, demonstration picture, "Get it", "More",
// "Next time"; the picture's height is (W - 16) * 400 / 768: 475/3 and 1175/3.
// Fonts (title, text, labels) follow the device model, not the frame.
struct Case {
  float w, h;
  const char* model;
  int titleFont, textFont, labelFont;
  F frames[7];
};
const float kPhoneDemoH = static_cast<float>(475.0 / 3.0);
const float kTabletDemoH = static_cast<float>(1175.0 / 3.0);
// clang-format off
const Case kCases[] = {
    {320, 480, "iPad", 38, 32, 34,
     {{0, 38.4f, 320, 32}, {85, 72, 235, 160}, {8, 100.8f, 80, 80}, {8, 225.6f, 304, kPhoneDemoH},
      {20, 412.8f, 80, 40}, {120, 412.8f, 80, 40}, {220, 412.8f, 80, 40}}},
    {320, 568, "iPhone", 18, 16, 18,
     {{0, 45.44f, 320, 32}, {85, 85.2f, 235, 160}, {8, 119.28f, 80, 80}, {8, 266.96f, 304, kPhoneDemoH},
      {20, 488.48f, 80, 40}, {120, 488.48f, 80, 40}, {220, 488.48f, 80, 40}}},
    {768, 1024, "iPhone", 18, 16, 18,
     {{0, 81.92f, 768, 76.8f}, {197, 153.6f, 571, 384}, {8, 215.04f, 192, 192}, {8, 481.28f, 752, kTabletDemoH},
      {48, 880.64f, 192, 96}, {288, 880.64f, 192, 96}, {528, 880.64f, 192, 96}}},
};
// clang-format on

TEST(MoreDialogLayout, FramesOfTheThreeScreenSizesAndFontsOfTheDeviceModel) {
  platform::UserDefaults::setStorageFile(vorlane_test::testRoot() + "/promo-layout.ini");
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " " << c.model);
    platform::setDeviceModel(c.model);
    std::vector<QString> lines;
    g_logLines = &lines;
    const QtMessageHandler previous = qInstallMessageHandler(captureLog);
    UIGotoMoreView view(QRectF(0, 0, c.w, c.h));
    const bool tablet = view.checkDevice("iPad");
    qInstallMessageHandler(previous);
    g_logLines = nullptr;
    EXPECT_EQ(tablet, QByteArray(c.model) == "iPad");
    // One log line from construction, one from the call.
    EXPECT_EQ(lines, std::vector<QString>(2, QStringLiteral("deviceType = ") + c.model));
    EXPECT_EQ(view.title()->font().pixelSize(), c.titleFont);
    EXPECT_EQ(view.details()->font().pixelSize(), c.textFont);
    for (QLabel* label : {view.getlabel(), view.morelabel(), view.laterlabel()})
      EXPECT_EQ(label->font().pixelSize(), c.labelFont);

    EXPECT_EQ(view.geometry(), QRect(0, 0, static_cast<int>(c.w), static_cast<int>(c.h)));
    const promo::MoreDialogLayout l = promo::moreDialogLayout(c.w, c.h);
    const QRectF model[] = {l.title, l.details, l.appicon, l.demo, l.getbtn, l.morebtn, l.laterbtn};
    const QRectF held[] = {view.titleFrame(),  view.detailsFrame(), view.appiconFrame(), view.demoFrame(),
                           view.getbtnFrame(), view.morebtnFrame(), view.laterbtnFrame()};
    const QWidget* shown[] = {view.title(),  view.details(), view.appicon(), nullptr,
                              view.getbtn(), view.morebtn(), view.laterbtn()};
    for (int i = 0; i < 7; ++i) {
      SCOPED_TRACE(i);
      expectFrame(model[i], c.frames[i]);
      expectFrame(held[i], c.frames[i]);
      if (shown[i]) EXPECT_TRUE(near(shown[i]->geometry(), held[i]));
    }
    // Each label lies over its button at the same frame.
    EXPECT_EQ(view.getlabel()->geometry(), view.getbtn()->geometry());
    EXPECT_EQ(view.morelabel()->geometry(), view.morebtn()->geometry());
    EXPECT_EQ(view.laterlabel()->geometry(), view.laterbtn()->geometry());
    // The picture's widget leaves room for the shadow; the picture inside it is the model's.
    EXPECT_TRUE(QRectF(view.demoiimgview0()->geometry()).contains(view.demoFrame()));
    EXPECT_EQ(view.demoiimgview0()->frameRect().translated(view.demoiimgview0()->pos()), view.demoFrame());
  }
  platform::setDeviceModel("iPhone");
}

}  // namespace
