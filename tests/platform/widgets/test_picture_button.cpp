// The picture button and the float slider, driven with real mouse events.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <cmath>
#include <utility>

#include "platform/widgets/FloatSlider.h"
#include "platform/widgets/PictureButton.h"

using platform::FloatSlider;
using platform::PictureButton;

namespace {

QImage filled(QColor colour, QSize size = QSize(20, 20)) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  return image;
}

QRgb centrePixel(QWidget& widget) {
  const QImage shot = widget.grab().toImage();
  return shot.pixel(shot.width() / 2, shot.height() / 2);
}

}  // namespace

TEST(PictureButton, SelectedIsItsOwnFlagAndPicksThePicture) {
  PictureButton button;
  button.resize(40, 40);
  button.setImage(filled(Qt::red));
  button.setSelected(true);
  EXPECT_EQ(centrePixel(button), qRgb(255, 0, 0));  // no selected picture: the normal one
  button.setSelectedImage(filled(Qt::blue));
  EXPECT_TRUE(button.isSelected());
  EXPECT_FALSE(button.isChecked());
  EXPECT_EQ(centrePixel(button), qRgb(0, 0, 255));
  button.setSelected(false);
  EXPECT_EQ(centrePixel(button), qRgb(255, 0, 0));
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_FALSE(button.isSelected());  // a click does not toggle the flag: the owner decides
}

TEST(PictureButton, ClicksOnlyWhenEnabledAndReleasedInside) {
  QWidget window;
  window.resize(200, 200);
  auto* button = new PictureButton(&window);
  button->setGeometry(10, 10, 40, 40);
  button->setImage(filled(Qt::red));
  window.show();
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  button->setEnabled(false);
  EXPECT_NE(centrePixel(*button), qRgb(255, 0, 0));  // dimmed
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 20));
  button->setEnabled(true);
  EXPECT_EQ(centrePixel(*button), qRgb(255, 0, 0));
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseMove(button, QPoint(150, 150));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 150));
  EXPECT_EQ(clicks.count(), 0);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(clicks.count(), 1);
}

TEST(PictureButton, LargePictureIsShrunkToFit) {
  PictureButton button;
  button.resize(30, 30);
  QImage image = filled(Qt::white, QSize(300, 300));
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 150; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
  button.setImage(image);
  const QImage shot = button.grab().toImage();
  EXPECT_EQ(shot.pixel(3, 15), qRgb(0, 0, 0));
  EXPECT_EQ(shot.pixel(27, 15), qRgb(255, 255, 255));
}

TEST(FloatSlider, SetValueKeepsTheExactFloatPinnedToRangeWithoutSignalling) {
  FloatSlider slider;
  QSignalSpy changes(&slider, &FloatSlider::valueChanged);
  const std::pair<float, float> cases[] = {
      {0.5f, 0.5f}, {0.1234567f, 0.1234567f}, {1.5f, 1.0f}, {-0.2f, 0.0f}, {std::nanf(""), 0.0f}};
  for (auto [in, out] : cases) {
    slider.setValue(in);
    EXPECT_EQ(slider.value(), out) << in;
  }
  slider.setValue(0.1234567f);
  EXPECT_EQ(slider.slider()->value(), 1235);
  EXPECT_EQ(changes.count(), 0);
}

TEST(FloatSlider, UserChangesSignalTheNewValue) {
  FloatSlider slider;
  slider.resize(200, 40);
  slider.setValue(0.5f);
  slider.show();
  QSignalSpy changes(&slider, &FloatSlider::valueChanged);
  // A click near the right end moves the handle right.
  QTest::mouseClick(slider.slider(), Qt::LeftButton, {}, QPoint(195, 20));
  ASSERT_GE(changes.count(), 1);
  const float reported = changes.last().at(0).toFloat();
  EXPECT_GT(reported, 0.5f);
  EXPECT_LE(reported, 1.0f);
  EXPECT_EQ(slider.value(), reported);
}
