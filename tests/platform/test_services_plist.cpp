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
  <key>sketchbrush</key>
  <array><string>texture.png</string><string>texture2.png</string></array>
  <key>count</key><integer>-42</integer>
  <key>big</key><integer>9000000000</integer>
  <key>ratio</key><real>0.75</real>
  <key>on</key><true/>
  <key>off</key><false/>
  <key>blob</key><data>
    SGVs
    bG8=
  </data>
  <key>when</key><date>2013-05-01T12:30:00Z</date>
  <key>empty</key><string></string>
  <key>escaped</key><string>a &amp; b &lt;c&gt;</string>
  <key>entries</key>
  <array>
    <dict><key>title</key><string>One</string><key>link</key><string>https://example.org/1</string></dict>
    <dict/>
    <array/>
  </array>
</dict>)");
  QString error = "stale";
  const QVariant v = parsePropertyList(text, &error);
  ASSERT_TRUE(v.isValid()) << error.toStdString();
  EXPECT_TRUE(error.isEmpty());
  ASSERT_EQ(v.typeId(), QMetaType::QVariantMap);
  const QVariantMap root = v.toMap();
  EXPECT_EQ(root.size(), 11);
  EXPECT_EQ(root["sketchbrush"].toList(), (QVariantList{"texture.png", "texture2.png"}));
  EXPECT_EQ(root["count"].typeId(), QMetaType::LongLong);
  EXPECT_EQ(root["count"].toLongLong(), -42);
  EXPECT_EQ(root["big"].toLongLong(), 9000000000LL);
  EXPECT_EQ(root["ratio"].typeId(), QMetaType::Double);
  EXPECT_DOUBLE_EQ(root["ratio"].toDouble(), 0.75);
  EXPECT_EQ(root["on"].typeId(), QMetaType::Bool);
  EXPECT_TRUE(root["on"].toBool());
  EXPECT_EQ(root["off"].typeId(), QMetaType::Bool);
  EXPECT_FALSE(root["off"].toBool());
  EXPECT_EQ(root["blob"].typeId(), QMetaType::QByteArray);
  EXPECT_EQ(root["blob"].toByteArray(), QByteArray("Hello"));
  EXPECT_EQ(root["when"].typeId(), QMetaType::QDateTime);
  EXPECT_EQ(root["when"].toDateTime(), QDateTime(QDate(2013, 5, 1), QTime(12, 30), Qt::UTC));
  EXPECT_EQ(root["empty"].typeId(), QMetaType::QString);
  EXPECT_EQ(root["empty"].toString(), QString());
  EXPECT_EQ(root["escaped"].toString(), QString("a & b <c>"));
  const QVariantList entries = root["entries"].toList();
  ASSERT_EQ(entries.size(), 3);
  EXPECT_EQ(entries[0].toMap()["title"].toString(), QString("One"));
  EXPECT_EQ(entries[0].toMap()["link"].toString(), QString("https://example.org/1"));
  EXPECT_EQ(entries[1].typeId(), QMetaType::QVariantMap);
  EXPECT_TRUE(entries[1].toMap().isEmpty());
  EXPECT_EQ(entries[2].typeId(), QMetaType::QVariantList);
}

TEST(PropertyList, RootMayBeAnyValue) {
  EXPECT_EQ(parsePropertyList(plist("<array><integer>1</integer><integer>2</integer></array>")).toList(),
            (QVariantList{1LL, 2LL}));
  EXPECT_EQ(parsePropertyList(plist("<string>only</string>")).toString(), QString("only"));
  // Without the XML declaration and doctype as well.
  EXPECT_EQ(parsePropertyList("<plist><integer>0x1F</integer></plist>").toLongLong(), 31);
}

TEST(PropertyList, RejectsMalformedOrForeignText) {
  rejection("");
  rejection("   \n\t ");
  rejection(plist("<dict><key>a</key><string>b</string>"));  // unclosed dict
  rejection("<plist><string>x</plist>");                     // mismatched tags
  rejection("<plist><string>x</string></plist><plist/>");    // two roots
  rejection("not xml at all");
  rejection("bplist00\x01\x02");
  EXPECT_TRUE(rejection("<dict><key>a</key><string>b</string></dict>").contains("root"));
  EXPECT_TRUE(rejection("<html><body/></html>").contains("html"));
  rejection("<plist></plist>");
  rejection("<plist><string>a</string><string>b</string></plist>");
}

TEST(PropertyList, RejectsWrongStructureInsideThePlist) {
  EXPECT_TRUE(rejection(plist("<dict><key>a</key></dict>")).contains("no value"));
  EXPECT_TRUE(rejection(plist("<dict><string>a</string><string>b</string></dict>")).contains("<key>"));
  rejection(plist("<array><key>a</key></array>"));
  EXPECT_TRUE(rejection(plist("<array><float>1</float></array>")).contains("float"));
  EXPECT_TRUE(rejection(plist("<integer>twelve</integer>")).contains("twelve"));
  rejection(plist("<integer>1.5</integer>"));
  rejection(plist("<integer></integer>"));
  rejection(plist("<real>abc</real>"));
  rejection(plist("<data>@@@not base64@@@</data>"));
  rejection(plist("<date>yesterday</date>"));
  rejection(plist("<string>a<b/>c</string>"));
  rejection(plist("<true><false/></true>"));
  // Errors name the line they happened on.
  EXPECT_TRUE(rejection("<plist>\n<array>\n<bogus/>\n</array>\n</plist>").startsWith("line 3"));
}

TEST(PropertyList, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  QByteArray deep = "<plist>";
  for (int i = 0; i < 100000; ++i) deep += "<array>";
  for (int i = 0; i < 100000; ++i) deep += "</array>";
  deep += "</plist>";
  EXPECT_TRUE(rejection(deep).contains("nesting"));

  QByteArray fine = "<plist>";
  for (int i = 0; i < 50; ++i) fine += "<array>";
  fine += "<true/>";
  for (int i = 0; i < 50; ++i) fine += "</array>";
  fine += "</plist>";
  QVariant v = parsePropertyList(fine);
  for (int i = 0; i < 50; ++i) {
    ASSERT_EQ(v.typeId(), QMetaType::QVariantList);
    v = v.toList().value(0);
  }
  EXPECT_TRUE(v.toBool());
}

TEST(PropertyList, ReadsFilesAndReportsMissingOnes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("more.plist");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(plist("<array><dict><key>title</key><string>Two</string></dict></array>"));
  }
  QString error;
  const QVariant v = readPropertyList(path, &error);
  EXPECT_TRUE(error.isEmpty());
  EXPECT_EQ(v.toList().value(0).toMap()["title"].toString(), QString("Two"));

  const QVariant missing = readPropertyList(dir.filePath("absent.plist"), &error);
  EXPECT_FALSE(missing.isValid());
  EXPECT_TRUE(error.contains("absent.plist"));

  const QString empty = dir.filePath("empty.plist");
  QFile(empty).open(QIODevice::WriteOnly);
  EXPECT_FALSE(readPropertyList(empty, &error).isValid());
  EXPECT_TRUE(error.contains("empty"));
  EXPECT_FALSE(readPropertyList(dir.path()).isValid());  // a folder, no error pointer
}

TEST(PropertyList, EveryShippedListAndTheStringsTableParse) {
  // The source tree's resource folder, found from this file's location.
  const QDir resources(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../resources");
  if (!resources.exists()) GTEST_SKIP() << "resource folder not found";
  const QFileInfoList lists = QDir(resources.filePath("data")).entryInfoList({"*.plist"}, QDir::Files);
  for (const QFileInfo& list : lists) {
    QString error;
    EXPECT_TRUE(readPropertyList(list.absoluteFilePath(), &error).isValid())
        << list.fileName().toStdString() << ": " << error.toStdString();
  }
  QFile strings(resources.filePath("strings/Localizable.strings"));
  if (strings.open(QIODevice::ReadOnly)) {
    QString error;
    platform::parseStringsTable(strings.readAll(), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  }
}
