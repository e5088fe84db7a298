// SPDX-License-Identifier: GPL-3.0-or-later
// Bundled resources: the picture cache versus fresh reads, look-up order, the strings table and its
// fallbacks, and the XML property-list reader.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"

using namespace platform;

// A private resource folder for one test; the compiled-in root comes back after.
struct ResourcesTest : testing::Test {
  void SetUp() override { setResourceRoot(dir.path() + "/"); }
  void TearDown() override { setResourceRoot({}); }
  QString at(const QString& sub) const { return dir.path() + "/" + sub; }
  void put(const QString& sub, const QByteArray& bytes = {}, QRgb colour = 0, int side = 3) const {
    QDir().mkpath(QFileInfo(at(sub)).absolutePath());
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    QFile f(at(sub));
    if (bytes.isEmpty()) {
      EXPECT_TRUE(image.save(at(sub), "PNG")) << sub.toStdString();
    } else {
      ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << sub.toStdString();
      EXPECT_EQ(f.write(bytes), bytes.size()) << sub.toStdString();
    }
  }
  QTemporaryDir dir;
};

TEST_F(ResourcesTest, ImageNamedIsCachedWhileContentsOfFileIsReadAfreshAndMissesGiveNullImages) {
  EXPECT_EQ(resourceRoot(), dir.path());
  put("images/undo.png", {}, qRgb(255, 0, 0));
  EXPECT_EQ(imageNamed("undo.png").pixel(0, 0), qRgb(255, 0, 0));
  put("images/undo.png", {}, qRgb(0, 0, 255), 5);
  EXPECT_EQ(imageNamed("undo.png").size(), QSize(3, 3));  // from the cache
  EXPECT_EQ(imageWithContentsOfFile("undo").pixel(4, 4), qRgb(0, 0, 255));
  EXPECT_EQ(imageWithContentsOfFile(at("images/undo.png")).size(), QSize(5, 5));  // absolute paths as they are
  setResourceRoot(dir.path());  // changing the root empties the cache
  EXPECT_EQ(imageNamed("undo").pixel(0, 0), qRgb(0, 0, 255));  // found without its extension
  for (const char* name : {"absent.png", ""}) {
    EXPECT_TRUE(imageNamed(name).isNull()) << name;
    EXPECT_TRUE(imageWithContentsOfFile(name).isNull()) << name;
  }
  put("images/broken.png", "\x89PNG\r\n\x1a\nnot really");
  put("outside.png");  // names cannot climb out of the resource folders
  EXPECT_TRUE(imageNamed("broken.png").isNull());
  EXPECT_TRUE(imageNamed("../outside.png").isNull());
  EXPECT_TRUE(pathForResource("../outside", "png").isEmpty());
  put("images/absent.png");
  EXPECT_FALSE(imageNamed("absent.png").isNull());  // a miss is not remembered
  // Look-up order: data before images; strings fall back to the value, then the key.
  EXPECT_EQ(localizedString("more.plist"), QString("more.plist"));  // no table yet
  for (const char* file : {"data/AppDataList.plist", "images/wood.jpg", "images/both.txt", "data/both.txt"}) put(file, "x");
  EXPECT_EQ(pathForResource("AppDataList", "plist"), at("data/AppDataList.plist"));
  EXPECT_EQ(pathForResource("wood", "jpg"), at("images/wood.jpg"));
  EXPECT_EQ(pathForResource("both", "txt"), at("data/both.txt"));
  EXPECT_EQ(pathForResource("AppDataList.plist"), at("data/AppDataList.plist"));  // no type: the name whole
  for (auto [name, type] : {std::pair{"AppDataList", ""}, {"AppDataList", "xml"}, {"", "plist"}, {"", ""}})
    EXPECT_TRUE(pathForResource(name, type).isEmpty()) << name << "." << type;
  put("strings/Localizable.strings", "\"more.plist\" = \"more_de.plist\";\n\"OK\" = \"Gut\";\n");
  setResourceRoot(dir.path());
  EXPECT_EQ(localizedString("more.plist", "ignored"), QString("more_de.plist"));
  EXPECT_EQ(localizedString("Cancel", "Abbrechen") + localizedString("Cancel", ""), QString("AbbrechenCancel"));
}

TEST(StringsTable, ParsesCommentsEscapesBareWordsEveryEncodingAndStopsAtASyntaxError) {
  const QByteArray text =
      "/* A comment spanning\n   two lines with \"quotes\" = ; */\n"
      "\"greeting\" = \"Hello, \\\"world\\\"\";   // trailing comment\n// a whole-line comment \"x\" = \"y\";\n"
      "\"lines\"=\"one\\ntwo\\tthree\\\\\";\nbare_key.1 = bare-value;\n\"same\";\n"
      "\"unicode\" = \"caf\\U00E9 \xE2\x9C\x93\";\n\"empty\" = \"\";\n\"greeting\" = \"Hello again\";\n";
  QString error = "stale";
  EXPECT_EQ(parseStringsTable(text, &error),
            (QHash<QString, QString>{{"greeting", "Hello again"}, {"lines", "one\ntwo\tthree\\"}, {"same", "same"},
                {"bare_key.1", "bare-value"}, {"unicode", QString::fromUtf8("caf\xC3\xA9 \xE2\x9C\x93")}, {"empty", ""}}));
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  const QString source = QString::fromUtf8("\"k\" = \"v\xC3\xA4\";");
  for (const QByteArray& bytes : {"\xFF\xFE" + QStringEncoder(QStringConverter::Utf16LE)(source),
                                  "\xFE\xFF" + QStringEncoder(QStringConverter::Utf16BE)(source), "\xEF\xBB\xBF" + source.toUtf8()})
    EXPECT_EQ(parseStringsTable(bytes).value("k"), QString::fromUtf8("v\xC3\xA4")) << bytes.toHex().constData();
  // A syntax error stops the reading; earlier entries are kept.
  const std::tuple<QByteArray, int, const char*> cases[] = {
      {"\"a\" = \"1\";\n\"b\" = \"2\"\n\"c\" = \"3\";", 1, "line 3"},  // missing ';' noticed at the next line
      {"\"a\" = \"1\";\n\"b\" \"2\";", 1, "line 2"}, {"\"a\" = \"1\";\n\"b\" = \"unterminated;\n", 1, "unterminated"},
      {"\"a\" = \"1\";\n/* never closed", 1, "comment"}, {"\"a\" = ;", 0, "line 1"},
      {"\"a\" = \"1\";\n\"b\" = \"\\U12\";", 1, "line 2"}, {"\"a\" =", 0, "end"}, {"= \"x\";", 0, "line 1"},
      {"", 0, ""}, {"  // only a comment", 0, ""}};
  for (const auto& [text, kept, where] : cases) {
    QString error = "stale";
    const auto table = parseStringsTable(text, &error);
    EXPECT_EQ(table.size(), kept) << text.constData();
    EXPECT_EQ(table.value("a"), kept ? "1" : "") << text.constData();
    EXPECT_TRUE(*where ? error.contains(where) : error.isEmpty()) << text.constData() << " -> " << error.toStdString();
  }
}

static QByteArray plist(const QByteArray& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n" + body + "\n</plist>\n";
}

TEST(PropertyList, ReadsEveryTypeRefusesBadTextWithAMessageAndReadsShippedFiles) {
  const QByteArray text = plist(R"(<dict><key>sketchbrush</key><array><string>a.png</string><string>b.png</string></array>
  <key>count</key><integer>-42</integer> <key>big</key><integer>9000000000</integer> <key>ratio</key><real>0.75</real>
  <key>on</key><true/> <key>off</key><false/> <key>blob</key><data>
    SGVs
    bG8=  </data> <key>when</key><date>2013-05-01T12:30:00Z</date> <key>empty</key><string></string>
  <key>escaped</key><string>a &amp; b &lt;c&gt;</string> <key>entries</key><array>
    <dict><key>title</key><string>One</string><key>link</key><string>https://example.org/1</string></dict> <dict/> <array/>
  </array></dict>)");
  QString error = "stale";
  const QVariantMap root = parsePropertyList(text, &error).toMap();
  EXPECT_EQ(error, "");
  EXPECT_EQ(root.size(), 11);
  EXPECT_EQ(root["sketchbrush"].toList(), (QVariantList{"a.png", "b.png"}));
  const std::pair<const char*, QVariant> scalars[] = {{"count", -42LL}, {"big", 9000000000LL}, {"ratio", 0.75},
      {"on", true}, {"off", false}, {"blob", QByteArray("Hello")}, {"empty", QString("")},
      {"escaped", QString("a & b <c>")}, {"when", QDateTime(QDate(2013, 5, 1), QTime(12, 30), Qt::UTC)}};
  for (const auto& [key, want] : scalars) {
    EXPECT_EQ(root[key].typeId(), want.typeId()) << key;
    EXPECT_EQ(root[key], want) << key;
  }
  EXPECT_EQ(root["entries"].toList(),
            (QVariantList{QVariantMap{{"title", "One"}, {"link", "https://example.org/1"}}, QVariantMap{}, QVariantList{}}));
  EXPECT_EQ(parsePropertyList(plist("<string>only</string>")).toString(), QString("only"));
  EXPECT_EQ(parsePropertyList("<plist><integer>0x1F</integer></plist>").toLongLong(), 31);  // bare, hexadecimal
  // Malformed, foreign, wrongly built or too deep text is refused with a message.
  const auto nested = [](int depth) {
    return "<plist>" + QByteArray("<array>").repeated(depth) + "<true/>" + QByteArray("</array>").repeated(depth) + "</plist>";
  };
  // Each text with a fragment its message must hold (any message for "").
  const std::pair<QByteArray, QString> cases[] = {
      {"", ""}, {"   \n\t ", ""}, {plist("<dict><key>a</key><string>b</string>"), ""}, {"<plist></plist>", ""},
      {"<plist><string>x</plist>", ""}, {"<plist><string>x</string></plist><plist/>", ""}, {"bplist00\x01", ""},
      {"<plist><string>a</string><string>b</string></plist>", ""}, {plist("<array><key>a</key></array>"), ""},
      {plist("<integer>1.5</integer>"), ""}, {plist("<integer></integer>"), ""}, {plist("<real>abc</real>"), ""},
      {plist("<data>@@@not base64@@@</data>"), ""}, {plist("<date>yesterday</date>"), ""},
      {plist("<string>a<b/>c</string>"), ""}, {plist("<true><false/></true>"), ""},
      {"<dict><key>a</key><string>b</string></dict>", "root"}, {"<html><body/></html>", "html"},
      {plist("<dict><key>a</key></dict>"), "no value"}, {plist("<dict><string>a</string></dict>"), "<key>"},
      {plist("<array><float>1</float></array>"), "float"}, {plist("<integer>twelve</integer>"), "twelve"},
      {"<plist>\n<array>\n<bogus/>\n</array>\n</plist>", "line 3"}, {nested(100000), "nesting"}};
  for (const auto& [text, fragment] : cases) {
    QString error;
    EXPECT_FALSE(parsePropertyList(text, &error).isValid()) << text.left(80).constData();
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(fragment)) << error.toStdString();
  }
  QVariant v = parsePropertyList(nested(50));
  for (int i = 0; i < 50; ++i) v = v.toList().value(0);  // deep, yet not too deep
  EXPECT_EQ(v, QVariant(true));
  // Files: a missing one is named in the message, and every shipped list parses.
  QTemporaryDir dir;
  EXPECT_FALSE(readPropertyList(dir.filePath("absent.plist"), &error).isValid());
  EXPECT_TRUE(error.contains("absent.plist")) << error.toStdString();
  EXPECT_FALSE(readPropertyList(dir.path()).isValid());  // a folder, no error pointer
  // The source tree's resource folder.
  const QDir resources(QStringLiteral(VORLANE_RESOURCES_DIR));
  const QFileInfoList lists = QDir(resources.filePath("data")).entryInfoList({"*.plist"}, QDir::Files);
  ASSERT_FALSE(lists.isEmpty());
  for (const QFileInfo& list : lists)
    EXPECT_TRUE(readPropertyList(list.absoluteFilePath(), &error).isValid()) << error.toStdString();
  QFile strings(resources.filePath("strings/Localizable.strings"));
  ASSERT_TRUE(strings.open(QIODevice::ReadOnly));
  parseStringsTable(strings.readAll(), &error);
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}
