// The XML property-list reader: every value type, nesting, and the ways a file
// can be wrong.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/PropertyList.h"
#include "platform/Resources.h"

using platform::parsePropertyList;
using platform::readPropertyList;

namespace {

QByteArray plist(const QByteArray& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
         "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
         "<plist version=\"1.0\">\n" +
         body + "\n</plist>\n";
}

// Parses text that must be rejected; returns the message.
QString rejection(const QByteArray& text) {
  QString error;
  const QVariant v = parsePropertyList(text, &error);
  EXPECT_FALSE(v.isValid()) << text.constData();
  EXPECT_FALSE(error.isEmpty()) << text.constData();
  return error;
}

}  // namespace

TEST(PropertyList, ReadsNestedDictionariesAndArraysOfEveryType) {
  const QByteArray text = plist(R"(<dict>
  <key>sketchbrush</key><array><string>texture.png</string><string>texture2.png</string></array>
  <key>count</key><integer>-42</integer> <key>big</key><integer>9000000000</integer>
  <key>ratio</key><real>0.75</real> <key>on</key><true/> <key>off</key><false/>
  <key>blob</key><data>
    SGVs
    bG8=
  </data>
  <key>when</key><date>2013-05-01T12:30:00Z</date>
  <key>empty</key><string></string> <key>escaped</key><string>a &amp; b &lt;c&gt;</string>
  <key>entries</key><array>
    <dict><key>title</key><string>One</string><key>link</key><string>https://example.org/1</string></dict>
    <dict/> <array/>
  </array>
</dict>)");
  QString error = "stale";
  const QVariant v = parsePropertyList(text, &error);
  ASSERT_EQ(v.typeId(), QMetaType::QVariantMap) << error.toStdString();
  EXPECT_TRUE(error.isEmpty());
  const QVariantMap root = v.toMap();
  EXPECT_EQ(root.size(), 11);
  EXPECT_EQ(root["sketchbrush"].toList(), (QVariantList{"texture.png", "texture2.png"}));
  const std::pair<const char*, QVariant> scalars[] = {
      {"count", -42LL},       {"big", 9000000000LL},           {"ratio", 0.75},
      {"on", true},           {"off", false},                  {"blob", QByteArray("Hello")},
      {"empty", QString("")}, {"escaped", QString("a & b <c>")}, {"when", QDateTime(QDate(2013, 5, 1), QTime(12, 30), Qt::UTC)}};
  for (const auto& [key, want] : scalars) {
    EXPECT_EQ(root[key].typeId(), want.typeId()) << key;
    EXPECT_EQ(root[key], want) << key;
  }
  EXPECT_EQ(root["entries"].toList(),
            (QVariantList{QVariantMap{{"title", "One"}, {"link", "https://example.org/1"}}, QVariantMap{}, QVariantList{}}));
}

TEST(PropertyList, RootMayBeAnyValue) {
  EXPECT_EQ(parsePropertyList(plist("<array><integer>1</integer><integer>2</integer></array>")).toList(),
            (QVariantList{1LL, 2LL}));
  EXPECT_EQ(parsePropertyList(plist("<string>only</string>")).toString(), QString("only"));
  // Without the XML declaration and doctype as well.
  EXPECT_EQ(parsePropertyList("<plist><integer>0x1F</integer></plist>").toLongLong(), 31);
}

TEST(PropertyList, RejectsMalformedForeignOrWronglyBuiltText) {
  const QByteArray anyMessage[] = {
      "", "   \n\t ", plist("<dict><key>a</key><string>b</string>"), "<plist><string>x</plist>",
      "<plist><string>x</string></plist><plist/>", "not xml at all", "bplist00\x01\x02", "<plist></plist>",
      "<plist><string>a</string><string>b</string></plist>", plist("<array><key>a</key></array>"),
      plist("<integer>1.5</integer>"), plist("<integer></integer>"), plist("<real>abc</real>"),
      plist("<data>@@@not base64@@@</data>"), plist("<date>yesterday</date>"),
      plist("<string>a<b/>c</string>"), plist("<true><false/></true>")};
  for (const QByteArray& text : anyMessage) rejection(text);
  // Each text with a fragment its message must hold.
  const std::pair<QByteArray, QString> named[] = {
      {"<dict><key>a</key><string>b</string></dict>", "root"},
      {"<html><body/></html>", "html"},
      {plist("<dict><key>a</key></dict>"), "no value"},
      {plist("<dict><string>a</string><string>b</string></dict>"), "<key>"},
      {plist("<array><float>1</float></array>"), "float"},
      {plist("<integer>twelve</integer>"), "twelve"}};
  for (const auto& [text, fragment] : named) EXPECT_TRUE(rejection(text).contains(fragment)) << text.constData();
  EXPECT_TRUE(rejection("<plist>\n<array>\n<bogus/>\n</array>\n</plist>").startsWith("line 3"));
}

TEST(PropertyList, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  const auto nested = [](int depth) {
    return "<plist>" + QByteArray("<array>").repeated(depth) + "<true/>" +
           QByteArray("</array>").repeated(depth) + "</plist>";
  };
  EXPECT_TRUE(rejection(nested(100000)).contains("nesting"));
  QVariant v = parsePropertyList(nested(50));
  for (int i = 0; i < 50; ++i) {
    ASSERT_EQ(v.typeId(), QMetaType::QVariantList);
    v = v.toList().value(0);
  }
  EXPECT_TRUE(v.toBool());
}

TEST(PropertyList, ReadsFilesAndReportsMissingEmptyOrFolderOnes) {
  QTemporaryDir dir;
  QFile file(dir.filePath("more.plist"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(plist("<array><dict><key>title</key><string>Two</string></dict></array>"));
  file.close();
  QString error;
  EXPECT_EQ(readPropertyList(file.fileName(), &error).toList().value(0).toMap()["title"], QVariant("Two"));
  EXPECT_TRUE(error.isEmpty());
  EXPECT_FALSE(readPropertyList(dir.filePath("absent.plist"), &error).isValid());
  EXPECT_TRUE(error.contains("absent.plist"));
  QFile(dir.filePath("empty.plist")).open(QIODevice::WriteOnly);
  EXPECT_FALSE(readPropertyList(dir.filePath("empty.plist"), &error).isValid());
  EXPECT_TRUE(error.contains("empty"));
  EXPECT_FALSE(readPropertyList(dir.path()).isValid());  // a folder, no error pointer
}

TEST(PropertyList, EveryShippedListAndTheStringsTableParse) {
  // The source tree's resource folder, found from this file's location.
  const QDir resources(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../resources");
  if (!resources.exists()) GTEST_SKIP() << "resource folder not found";
  QString error;
  for (const QFileInfo& list : QDir(resources.filePath("data")).entryInfoList({"*.plist"}, QDir::Files))
    EXPECT_TRUE(readPropertyList(list.absoluteFilePath(), &error).isValid())
        << list.fileName().toStdString() << ": " << error.toStdString();
  QFile strings(resources.filePath("strings/Localizable.strings"));
  if (strings.open(QIODevice::ReadOnly)) platform::parseStringsTable(strings.readAll(), &error);
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}
