// SPDX-License-Identifier: GPL-3.0-or-later
// The picture button and the float slider, driven with real mouse events.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <cmath>

#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

TEST(PictureButton, SelectedPicksThePictureAndClicksCountOnlyWhenEnabledAndReleasedInside) {
  QWidget window;
  window.resize(200, 200);
  auto* button = new platform::PictureButton(&window);
  button->setGeometry(10, 10, 30, 30);
  QImage image(2, 1, QImage::Format_ARGB32_Premultiplied);  // shrunk to fit: black left, white right
  image.setPixel(0, 0, qRgb(0, 0, 0)), image.setPixel(1, 0, qRgb(255, 255, 255));
  image = image.scaled(300, 300);
  button->setImage(image);
  button->setSelected(true);
  const auto at = [&](int x) { return button->grab().toImage().pixel(x, 15); };
  EXPECT_EQ(at(3), qRgb(0, 0, 0));  // no selected picture: the normal one
  EXPECT_EQ(at(27), qRgb(255, 255, 255));
  button->setSelectedImage(image.mirrored(true, false));
  EXPECT_TRUE(button->isSelected());
  EXPECT_FALSE(button->isChecked());
  EXPECT_EQ(at(3), qRgb(255, 255, 255));
  EXPECT_EQ(at(27), qRgb(0, 0, 0));
  button->setSelected(false);
  EXPECT_EQ(at(3), qRgb(0, 0, 0));
  window.show();
  const QSignalSpy clicks(button, &QAbstractButton::clicked);
  button->setEnabled(false);
  EXPECT_NE(at(3), qRgb(0, 0, 0));  // dimmed
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(15, 15));
  button->setEnabled(true);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(15, 15));
  QTest::mouseMove(button, QPoint(150, 150));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 150));
  EXPECT_EQ(clicks.count(), 0);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(15, 15));
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_FALSE(button->isSelected());  // a click does not toggle the flag: the owner decides
}

TEST(FloatSlider, SetValueKeepsTheExactFloatPinnedToRangeSilentlyAndUserChangesSignal) {
  platform::FloatSlider slider;
  QSignalSpy changes(&slider, &platform::FloatSlider::valueChanged);
  for (auto [in, out] : {std::pair{1.5f, 1.0f}, {-0.2f, 0.0f}, {std::nanf(""), 0.0f}, {0.1234567f, 0.1234567f}})
    EXPECT_EQ((slider.setValue(in), slider.value()), out) << in;
  EXPECT_EQ(slider.slider()->value(), 1235);
  EXPECT_TRUE(changes.isEmpty());
  slider.setValue(0.5f);
  slider.resize(200, 40);
  slider.show();
  QTest::mouseClick(slider.slider(), Qt::LeftButton, {}, QPoint(195, 20));  // near the right end: moves right
  ASSERT_GE(changes.count(), 1);
  const float reported = changes.last().at(0).toFloat();
  EXPECT_GT(reported, 0.5f);
  EXPECT_LE(reported, 1.0f);
  EXPECT_EQ(slider.value(), reported);
}
