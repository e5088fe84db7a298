// The shipped pictures and lists as the screens use them: sizes of their frames,
// transparency where they lie over other pictures, and lists that name pictures
// that really exist.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QVariant>
#include <map>

#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "tools/art/Art.h"

namespace {

QImage committed(const QString& name) { return QImage(":/images/" + name).convertToFormat(QImage::Format_ARGB32); }

TEST(ArtPictures, EachHasTheSizeOfItsFrameAtTwiceOrMore) {
  const std::map<QString, QSize> sizes = {
      {"undo.png", {132, 132}},        {"redo.png", {132, 132}},    {"A_UnSel.png", {119, 132}},
      {"A_Sel.png", {119, 132}},       {"B_UnSel.png", {119, 132}}, {"B_Sel.png", {119, 132}},
      {"circle.png", {256, 256}},      {"wood.jpg", {768, 1024}},   {"MenuBar.png", {768, 110}},
      {"Menubtn.png", {200, 200}},     {"listbk.jpg", {140, 900}},  {"vorlane.png", {256, 256}},
      {"BTN_4.png", {192, 96}},        {"sketchbrush.png", {1024, 1024}}};
  for (const auto& [name, size] : sizes) EXPECT_EQ(committed(name).size(), size) << name.toStdString();
}

TEST(ArtPictures, BrushIndicatorIsARingWithAClearSurround) {
  const QImage circle = committed("circle.png");
  ASSERT_EQ(circle.size(), QSize(256, 256));
  // Clear corners and just outside the ring; the ring opaque on all four sides.
  for (auto [x, y, alpha] : {std::array{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {30, 30, 0}, {255, 128, 0},
                             {248, 128, 255}, {8, 128, 255}, {128, 8, 255}, {128, 248, 255}})
    EXPECT_EQ(qAlpha(circle.pixel(x, y)), alpha) << x << "," << y;
  // The interior lets the picture show through.
  EXPECT_GT(qAlpha(circle.pixel(128, 128)), 10);
  EXPECT_LT(qAlpha(circle.pixel(128, 128)), 128);
}

TEST(ArtPictures, RedoIsUndoMirroredAndSelectedBrushButtonsAreFilledDark) {
  const QImage undo = committed("undo.png"), redo = committed("redo.png");
  EXPECT_EQ(undo.mirrored(true, false), redo);
  EXPECT_NE(undo, redo);  // the arrow is not symmetric: the two buttons are told apart
  for (const QString letter : {"A", "B"}) {
    const QImage off = committed(letter + "_UnSel.png"), on = committed(letter + "_Sel.png");
    // A point on the plate away from the letter.
    EXPECT_GT(off.pixelColor(18, 66).lightness(), 180) << letter.toStdString();
    EXPECT_LT(on.pixelColor(18, 66).lightness(), 110) << letter.toStdString();
    EXPECT_EQ(qAlpha(off.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(on.pixel(0, 0)), 0);
  }
  EXPECT_NE(committed("A_Sel.png"), committed("B_Sel.png"));
}

TEST(ArtPictures, PlatesHaveTransparentCornersAndBackgroundsAreOpaque) {
  for (const char* plate : {"Menubtn.png", "BTN_4.png", "vorlane.png", "more_gimp_icon.png", "more_krita_icon.png",
                            "more_inkscape_icon.png"}) {
    const QImage image = committed(plate);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << plate;
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << plate;
  }
  for (const char* background : {"wood.jpg", "listbk.jpg", "MenuBar.png"}) {
    const QImage image = committed(background);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255) << background;
    EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 255) << background;
  }
}

TEST(ArtData, MoreAppsListNamesDrawnPicturesAndHomePages) {
  QString error;
  const QVariant root = platform::readPropertyList(":/data/more.plist", &error);
  ASSERT_EQ(root.typeId(), QMetaType::QVariantList) << error.toStdString();
  const QVariantList entries = root.toList();
  ASSERT_EQ(entries.size(), 3);
  const QStringList links = {"https://www.gimp.org/", "https://krita.org/", "https://inkscape.org/"};
  for (int i = 0; i < entries.size(); ++i) {
    const QVariantMap entry = entries[i].toMap();
    for (const char* key : {"title", "icon", "demoimg"}) EXPECT_FALSE(entry.value(key).toString().isEmpty()) << i << key;
    EXPECT_EQ(entry.value("link").toString(), links[i]);
    EXPECT_TRUE(entry.value("info").toString().endsWith('.')) << i;
    EXPECT_EQ(committed(entry.value("icon").toString()).size(), QSize(192, 192)) << i;
    EXPECT_EQ(committed(entry.value("demoimg").toString()).size(), QSize(768, 400)) << i;
  }
}

TEST(ArtData, MailLinkAndTheEnglishStringsTable) {
  const QVariantMap mail = platform::readPropertyList(":/data/maillink.plist").toMap();
  EXPECT_EQ(mail.value("to").toString(), "hello@vorlane.org");
  EXPECT_EQ(mail.value("cc").toStringList(), QStringList({"friends@vorlane.org", "share@vorlane.org"}));
  // Every key stands for itself.
  QFile file(":/strings/Localizable.strings");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QString error;
  EXPECT_TRUE(platform::parseStringsTable(file.readAll(), &error).isEmpty());
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  EXPECT_EQ(platform::localizedString("more.plist", ""), "more.plist");
  EXPECT_EQ(platform::localizedString("Next time", ""), "Next time");
}

}  // namespace
