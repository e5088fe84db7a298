// The picture button and the float slider, driven with real mouse events.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QSlider>
#include <QTest>

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
  button.setSelectedImage(filled(Qt::blue));
  EXPECT_FALSE(button.isSelected());
  EXPECT_EQ(centrePixel(button), qRgb(255, 0, 0));
  button.setSelected(true);
  EXPECT_TRUE(button.isSelected());
  EXPECT_FALSE(button.isChecked());
  EXPECT_EQ(centrePixel(button), qRgb(0, 0, 255));
  // A click does not toggle the flag: the owner decides.
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_TRUE(button.isSelected());
}

TEST(PictureButton, SelectedStateWithoutPictureShowsTheNormalOne) {
  PictureButton button;
  button.resize(40, 40);
  button.setImage(filled(Qt::green));
  button.setSelected(true);
  EXPECT_EQ(centrePixel(button), qRgb(0, 255, 0));
}

TEST(PictureButton, DisabledButtonIsDimmedAndSilent) {
  PictureButton button;
  button.resize(40, 40);
  button.setImage(filled(Qt::red));
  button.show();
  QSignalSpy clicks(&button, &QAbstractButton::clicked);
  button.setEnabled(false);
  EXPECT_NE(centrePixel(button), qRgb(255, 0, 0));
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(clicks.count(), 0);
  button.setEnabled(true);
  EXPECT_EQ(centrePixel(button), qRgb(255, 0, 0));
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(clicks.count(), 1);
}

TEST(PictureButton, ReleaseOutsideDoesNotClick) {
  QWidget window;
  window.resize(200, 200);
  auto* button = new PictureButton(&window);
  button->setGeometry(10, 10, 40, 40);
  window.show();
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseMove(button, QPoint(150, 150));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 150));
  EXPECT_EQ(clicks.count(), 0);
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

TEST(FloatSlider, SetValueKeepsTheExactFloatAndDoesNotSignal) {
  FloatSlider slider;
  QSignalSpy changes(&slider, &FloatSlider::valueChanged);
  slider.setValue(0.5f);
  EXPECT_EQ(slider.value(), 0.5f);
  slider.setValue(0.1234567f);
  EXPECT_EQ(slider.value(), 0.1234567f);
  EXPECT_EQ(slider.slider()->value(), 1235);
  EXPECT_EQ(changes.count(), 0);
}

TEST(FloatSlider, OutOfRangeValuesArePinned) {
  FloatSlider slider;
  slider.setValue(1.5f);
  EXPECT_EQ(slider.value(), 1.0f);
  slider.setValue(-0.2f);
  EXPECT_EQ(slider.value(), 0.0f);
  slider.setValue(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(slider.value(), 0.0f);
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
