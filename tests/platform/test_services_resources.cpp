// Bundled resources: picture cache versus fresh reads, resource look-up order,
// the strings table parser and the localised-string fallbacks.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "platform/Resources.h"

using namespace platform;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

void writePicture(const QString& path, QRgb colour, int side = 3) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(path, "PNG"));
}

// A private resource folder for one test; the compiled-in root comes back after.
class ResourcesTest : public testing::Test {
 protected:
  void SetUp() override { setResourceRoot(dir.path() + "/"); }
  void TearDown() override { setResourceRoot({}); }
  QString at(const QString& sub) const { return dir.path() + "/" + sub; }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(ResourcesTest, ImageNamedIsCachedWhileContentsOfFileIsReadAfresh) {
  EXPECT_EQ(resourceRoot(), dir.path());
  writePicture(at("images/undo.png"), qRgb(255, 0, 0));
  EXPECT_EQ(imageNamed("undo.png").pixel(0, 0), qRgb(255, 0, 0));
  writePicture(at("images/undo.png"), qRgb(0, 0, 255), 5);
  EXPECT_EQ(imageNamed("undo.png").size(), QSize(3, 3));  // from the cache
  const QImage fresh = imageWithContentsOfFile("undo");
  EXPECT_EQ(fresh.size(), QSize(5, 5));
  EXPECT_EQ(fresh.pixel(0, 0), qRgb(0, 0, 255));
  EXPECT_EQ(imageWithContentsOfFile(at("images/undo.png")).size(), QSize(5, 5));  // absolute paths as they are
  setResourceRoot(dir.path());  // changing the root empties the cache
  EXPECT_EQ(imageNamed("undo.png").pixel(0, 0), qRgb(0, 0, 255));
  writePicture(at("images/circle.png"), qRgb(1, 2, 3));
  EXPECT_EQ(imageNamed("circle").pixel(0, 0), qRgb(1, 2, 3));  // found without its extension
}

TEST_F(ResourcesTest, MissingDamagedOrOutsidePicturesGiveNullImages) {
  for (const char* name : {"absent.png", ""}) {
    EXPECT_TRUE(imageNamed(name).isNull()) << name;
    EXPECT_TRUE(imageWithContentsOfFile(name).isNull()) << name;
  }
  writeFile(at("images/broken.png"), "\x89PNG\r\n\x1a\nnot really");
  EXPECT_TRUE(imageNamed("broken.png").isNull());
  writePicture(at("images/absent.png"), qRgb(9, 9, 9));
  EXPECT_FALSE(imageNamed("absent.png").isNull());  // a miss is not remembered
  writePicture(at("outside.png"), qRgb(9, 9, 9));  // names cannot climb out of the resource folders
  EXPECT_TRUE(imageNamed("../outside.png").isNull());
  EXPECT_TRUE(pathForResource("../outside", "png").isEmpty());
}

TEST_F(ResourcesTest, PathForResourceLooksInDataBeforeImages) {
  writeFile(at("data/AppDataList.plist"), "<plist><dict/></plist>");
  writePicture(at("images/wood.jpg"), qRgb(0, 0, 0));
  writeFile(at("images/both.txt"), "image");
  writeFile(at("data/both.txt"), "data");
  EXPECT_EQ(pathForResource("AppDataList", "plist"), at("data/AppDataList.plist"));
  EXPECT_EQ(pathForResource("wood", "jpg"), at("images/wood.jpg"));
  EXPECT_EQ(pathForResource("both", "txt"), at("data/both.txt"));
  EXPECT_EQ(pathForResource("AppDataList.plist"), at("data/AppDataList.plist"));  // no type: the name whole
  for (auto [name, type] : {std::pair{"AppDataList", ""}, {"AppDataList", "xml"}, {"", "plist"}, {"", ""}})
    EXPECT_TRUE(pathForResource(name, type).isEmpty()) << name << "." << type;
}

TEST_F(ResourcesTest, LocalizedStringFallsBackToValueThenKey) {
  writeFile(at("strings/Localizable.strings"), "\"more.plist\" = \"more_de.plist\";\n\"OK\" = \"Gut\";\n");
  EXPECT_EQ(localizedString("more.plist", "ignored"), QString("more_de.plist"));
  EXPECT_EQ(localizedString("Cancel", "Abbrechen"), QString("Abbrechen"));
  EXPECT_EQ(localizedString("Cancel", ""), QString("Cancel"));
}

TEST_F(ResourcesTest, WithoutAStringsTableEveryKeyIsItsOwnTranslation) {
  EXPECT_EQ(localizedString("more.plist"), QString("more.plist"));
  EXPECT_EQ(localizedString("Rate?", "Rate"), QString("Rate"));
}

TEST(StringsTable, ParsesCommentsEscapesAndBareWords) {
  const QByteArray text =
      "/* A comment spanning\n   two lines with \"quotes\" = ; */\n"
      "\"greeting\" = \"Hello, \\\"world\\\"\";   // trailing comment\n"
      "// a whole-line comment \"x\" = \"y\";\n"
      "\"lines\"=\"one\\ntwo\\tthree\\\\\";\n"
      "bare_key.1 = bare-value;\n"
      "\"same\";\n"
      "\"unicode\" = \"caf\\U00E9 \xE2\x9C\x93\";\n"
      "\"empty\" = \"\";\n"
      "\"greeting\" = \"Hello again\";\n";
  QString error = "stale";
  const auto table = parseStringsTable(text, &error);
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  EXPECT_EQ(table.size(), 6);
  EXPECT_EQ(table.value("greeting"), QString("Hello again"));  // the later line wins
  EXPECT_EQ(table.value("lines"), QString("one\ntwo\tthree\\"));
  EXPECT_EQ(table.value("bare_key.1"), QString("bare-value"));
  EXPECT_EQ(table.value("same"), QString("same"));
  EXPECT_EQ(table.value("unicode"), QString::fromUtf8("caf\xC3\xA9 \xE2\x9C\x93"));
  EXPECT_TRUE(table.contains("empty"));
  EXPECT_EQ(table.value("empty"), QString(""));
  EXPECT_FALSE(table.contains("x"));
}

TEST(StringsTable, ReadsUtf16WithByteOrderMarkAndUtf8WithSignature) {
  const QString source = QString::fromUtf8("\"k\" = \"v\xC3\xA4\";");
  QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
  for (QChar c : source) {
    le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
  }
  for (const QByteArray& text : {le, be, "\xEF\xBB\xBF" + source.toUtf8()})
    EXPECT_EQ(parseStringsTable(text).value("k"), QString::fromUtf8("v\xC3\xA4")) << text.toHex().constData();
}

TEST(StringsTable, StopsAtASyntaxErrorKeepingEarlierEntries) {
  struct Case {
    QByteArray text;
    int kept;
    const char* where;
  };
  const Case cases[] = {
      {"\"a\" = \"1\";\n\"b\" = \"2\"\n\"c\" = \"3\";", 1, "line 3"},  // missing ';' noticed at the next line
      {"\"a\" = \"1\";\n\"b\" \"2\";", 1, "line 2"},
      {"\"a\" = \"1\";\n\"b\" = \"unterminated;\n", 1, "unterminated"},
      {"\"a\" = \"1\";\n/* never closed", 1, "comment"},
      {"\"a\" = ;", 0, "line 1"},
      {"\"a\" = \"1\";\n\"b\" = \"\\U12\";", 1, "line 2"},
      {"\"a\" =", 0, "end"},
      {"= \"x\";", 0, "line 1"},
  };
  for (const Case& c : cases) {
    QString error;
    const auto table = parseStringsTable(c.text, &error);
    EXPECT_EQ(table.size(), c.kept) << c.text.constData();
    EXPECT_TRUE(error.contains(c.where)) << c.text.constData() << " -> " << error.toStdString();
    EXPECT_EQ(table.value("a"), c.kept > 0 ? QString("1") : QString()) << c.text.constData();
  }
  QString error = "stale";
  EXPECT_TRUE(parseStringsTable("", &error).isEmpty());
  EXPECT_TRUE(error.isEmpty());
  EXPECT_TRUE(parseStringsTable("  // only a comment", &error).isEmpty());
  EXPECT_TRUE(error.isEmpty());
}
