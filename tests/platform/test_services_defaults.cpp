// The user-defaults store: values survive a new store on the same file, absent
// and unreadable values read 0 / false, a damaged file does not stop saving.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <climits>
#include <utility>

#include "TestSupport.h"
#include "platform/UserDefaults.h"

using platform::UserDefaults;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

}  // namespace

TEST(UserDefaults, ValuesRoundTripAtOnceOnDiskAndAcrossARestart) {
  QTemporaryDir dir;
  const QString path = dir.filePath("nested/folder/settings.ini");
  UserDefaults store(path);
  EXPECT_EQ(store.integerForKey("currenttype"), 0);
  EXPECT_FALSE(store.boolForKey("rated"));
  EXPECT_FALSE(store.hasKey("currenttype"));

  store.setIntegerForKey(7, "currenttype");
  store.setIntegerForKey(-3, "currentAtype");
  store.setIntegerForKey(INT_MAX, "big");
  store.setIntegerForKey(INT_MIN, "small");
  store.setBoolForKey(true, "rated");
  store.setBoolForKey(false, "helphint");
  store.setIntegerForKey(2, "currenttype");  // the newest value wins
  EXPECT_TRUE(store.lastWriteSucceeded());
  EXPECT_TRUE(store.hasKey("helphint"));
  EXPECT_EQ(store.integerForKey("CurrentType"), 0);  // keys differ by case
  EXPECT_TRUE(store.boolForKey("currentAtype"));      // a non-zero integer reads as true

  QFile file(path);  // each write is on disk at once, with no explicit flush
  const QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  EXPECT_TRUE(text.contains("currenttype=2") && text.contains("rated=true")) << text.constData();
  UserDefaults later(path);  // a later run of the program
  for (auto [key, value] : {std::pair{"currenttype", 2}, {"currentAtype", -3}, {"big", INT_MAX},
                            {"small", INT_MIN}, {"rated", 1}, {"helphint", 0}})
    EXPECT_EQ(later.integerForKey(key), value) << key;
}

TEST(UserDefaults, StandardStoreFollowsTheStorageFile) {
  QTemporaryDir dir;
  const QString a = dir.filePath("a.ini"), b = dir.filePath("b.ini");
  UserDefaults::setStorageFile(a);
  UserDefaults& store = UserDefaults::standardUserDefaults();
  store.setIntegerForKey(3, "currenttype");
  UserDefaults::setStorageFile(b);
  EXPECT_EQ(&store, &UserDefaults::standardUserDefaults());  // the same object on the other file
  EXPECT_EQ(store.fileName(), b);
  EXPECT_EQ(store.integerForKey("currenttype"), 0);
  UserDefaults::setStorageFile(a);
  EXPECT_EQ(store.integerForKey("currenttype"), 3);

  UserDefaults::setStorageFile({});
  const QString expected =
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/settings.ini");
  EXPECT_EQ(store.fileName(), expected);
  EXPECT_TRUE(expected.startsWith(vorlane_test::testRoot())) << expected.toStdString();
}

TEST(UserDefaults, HandEditedValuesAreReadSensibly) {
  QTemporaryDir dir;
  const QString path = dir.filePath("settings.ini");
  writeFile(path, "[General]\na=3.0\nb=yes\nc=NO\nd=1\nword=abc\nhuge=99999999999\nneg=-12\nspaced= 4 \n");
  UserDefaults store(path);
  for (auto [key, value] : {std::pair{"a", 3}, {"word", 0}, {"huge", INT_MAX}, {"neg", -12}, {"spaced", 4}})
    EXPECT_EQ(store.integerForKey(key), value) << key;
  for (auto [key, value] : {std::pair{"b", true}, {"c", false}, {"d", true}, {"word", false}})
    EXPECT_EQ(store.boolForKey(key), value) << key;
}

TEST(UserDefaults, DamagedFileReadsZeroAndStillAcceptsWrites) {
  QTemporaryDir dir;
  const QString path = dir.filePath("settings.ini");
  QByteArray garbage("[General]\nmore_times=2\n");
  for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 97 + 13) & 0xFF));
  garbage.append("\n[General\nrated=\"unterminated\n\x00\xff[[[", 30);
  writeFile(path, garbage);

  UserDefaults store(path);
  EXPECT_EQ(store.integerForKey("currenttype"), 0);
  EXPECT_FALSE(store.boolForKey("rated"));
  store.setBoolForKey(true, "rated");
  store.setIntegerForKey(4, "currenttype");
  EXPECT_TRUE(store.lastWriteSucceeded());
  UserDefaults reopened(path);
  EXPECT_EQ(reopened.integerForKey("more_times"), 2);  // what was readable survives
  EXPECT_TRUE(reopened.boolForKey("rated"));
  EXPECT_EQ(reopened.integerForKey("currenttype"), 4);
}

TEST(UserDefaults, UnusableFileAndEmptyKeyReportFailedWrites) {
  QTemporaryDir dir;
  const QString path = dir.filePath("settings.ini");
  ASSERT_TRUE(QDir().mkpath(path));  // a folder where the file should be
  UserDefaults store(path);
  EXPECT_EQ(store.integerForKey("currenttype"), 0);
  store.setIntegerForKey(9, "currenttype");
  EXPECT_FALSE(store.lastWriteSucceeded());

  UserDefaults good(dir.filePath("good.ini"));
  good.setIntegerForKey(1, "");
  EXPECT_FALSE(good.lastWriteSucceeded());
  EXPECT_FALSE(good.hasKey(""));
  good.setIntegerForKey(1, "currenttype");
  EXPECT_TRUE(good.lastWriteSucceeded());
}
