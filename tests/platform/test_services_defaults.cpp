// The user-defaults store: values survive a new store on the same file, absent
// and unreadable values read 0 / false, a damaged file does not stop saving.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <climits>

#include "TestSupport.h"
#include "platform/UserDefaults.h"

using platform::UserDefaults;

namespace {

QByteArray fileText(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

}  // namespace

TEST(UserDefaults, ValuesRoundTripAndAbsentKeysReadZero) {
  QTemporaryDir dir;
  UserDefaults store(dir.filePath("settings.ini"));
  EXPECT_EQ(store.integerForKey("currenttype"), 0);
  EXPECT_FALSE(store.boolForKey("rated"));
  EXPECT_FALSE(store.hasKey("currenttype"));

  store.setIntegerForKey(7, "currenttype");
  store.setIntegerForKey(-3, "currentAtype");
  store.setBoolForKey(true, "rated");
  store.setBoolForKey(false, "helphint");
  EXPECT_EQ(store.integerForKey("currenttype"), 7);
  EXPECT_EQ(store.integerForKey("currentAtype"), -3);
  EXPECT_TRUE(store.boolForKey("rated"));
  EXPECT_FALSE(store.boolForKey("helphint"));
  EXPECT_TRUE(store.hasKey("helphint"));
  // Cross-typed reads: a bool reads as 1 / 0, a non-zero integer as true.
  EXPECT_EQ(store.integerForKey("rated"), 1);
  EXPECT_EQ(store.integerForKey("helphint"), 0);
  EXPECT_TRUE(store.boolForKey("currentAtype"));
  // Keys differ by case.
  EXPECT_EQ(store.integerForKey("CurrentType"), 0);
  EXPECT_TRUE(store.lastWriteSucceeded());

  store.setIntegerForKey(INT_MAX, "big");
  store.setIntegerForKey(INT_MIN, "small");
  EXPECT_EQ(store.integerForKey("big"), INT_MAX);
  EXPECT_EQ(store.integerForKey("small"), INT_MIN);
  // Overwriting keeps the newest value.
  store.setIntegerForKey(2, "currenttype");
  EXPECT_EQ(store.integerForKey("currenttype"), 2);
}

TEST(UserDefaults, EachWriteIsOnDiskAtOnceAndSeenByASecondStore) {
  QTemporaryDir dir;
  const QString path = dir.filePath("nested/folder/settings.ini");
  UserDefaults first(path);
  first.setIntegerForKey(5, "more_times");
  first.setBoolForKey(true, "inited");
  // No explicit flush: the file already holds both values.
  const QByteArray text = fileText(path);
  EXPECT_TRUE(text.contains("more_times=5")) << text.constData();
  EXPECT_TRUE(text.contains("inited=true")) << text.constData();

  UserDefaults second(path);  // a later run of the program
  EXPECT_EQ(second.integerForKey("more_times"), 5);
  EXPECT_TRUE(second.boolForKey("inited"));
  EXPECT_FALSE(second.boolForKey("rated"));

  second.setIntegerForKey(6, "more_times");
  UserDefaults third(path);
  EXPECT_EQ(third.integerForKey("more_times"), 6);
}

TEST(UserDefaults, StandardStoreFollowsTheStorageFile) {
  QTemporaryDir dir;
  const QString a = dir.filePath("a.ini");
  const QString b = dir.filePath("b.ini");
  UserDefaults::setStorageFile(a);
  UserDefaults& store = UserDefaults::standardUserDefaults();
  EXPECT_EQ(&store, &UserDefaults::standardUserDefaults());
  EXPECT_EQ(store.fileName(), a);
  store.setIntegerForKey(3, "currenttype");

  UserDefaults::setStorageFile(b);
  // The same object, now on the other file.
  EXPECT_EQ(&store, &UserDefaults::standardUserDefaults());
  EXPECT_EQ(store.fileName(), b);
  EXPECT_EQ(store.integerForKey("currenttype"), 0);

  UserDefaults::setStorageFile(a);
  EXPECT_EQ(store.integerForKey("currenttype"), 3);

  UserDefaults::setStorageFile({});
  const QString expected =
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/settings.ini");
  EXPECT_EQ(UserDefaults::storageFile(), expected);
  EXPECT_EQ(store.fileName(), expected);
  EXPECT_TRUE(expected.startsWith(vorlane_test::testRoot())) << expected.toStdString();
}

TEST(UserDefaults, HandEditedValuesAreReadSensibly) {
  QTemporaryDir dir;
  const QString path = dir.filePath("settings.ini");
  writeFile(path,
            "[General]\nmore_times=3.0\nrated=yes\nhelphint=NO\ninited=1\nword=abc\nhuge=99999999999\n"
            "negative=-12\nspaced= 4 \n");
  UserDefaults store(path);
  EXPECT_EQ(store.integerForKey("more_times"), 3);
  EXPECT_TRUE(store.boolForKey("rated"));
  EXPECT_FALSE(store.boolForKey("helphint"));
  EXPECT_TRUE(store.boolForKey("inited"));
  EXPECT_EQ(store.integerForKey("word"), 0);
  EXPECT_FALSE(store.boolForKey("word"));
  EXPECT_TRUE(store.hasKey("word"));
  EXPECT_EQ(store.integerForKey("huge"), INT_MAX);
  EXPECT_EQ(store.integerForKey("negative"), -12);
  EXPECT_EQ(store.integerForKey("spaced"), 4);
}

TEST(UserDefaults, DamagedFileReadsZeroAndStillAcceptsWrites) {
  QTemporaryDir dir;
  const QString path = dir.filePath("settings.ini");
  QByteArray garbage;
  for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 97 + 13) & 0xFF));
  garbage.prepend("[General]\nmore_times=2\n");
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

TEST(UserDefaults, UnusableFileDoesNotCrashAndReportsFailedWrites) {
  QTemporaryDir dir;
  // A folder where the file should be: it can be neither read nor written.
  const QString path = dir.filePath("settings.ini");
  ASSERT_TRUE(QDir().mkpath(path));
  UserDefaults store(path);
  EXPECT_EQ(store.integerForKey("currenttype"), 0);
  store.setIntegerForKey(9, "currenttype");
  EXPECT_FALSE(store.lastWriteSucceeded());
  // An empty key is refused instead of being stored under "".
  UserDefaults good(dir.filePath("good.ini"));
  good.setIntegerForKey(1, "");
  EXPECT_FALSE(good.lastWriteSucceeded());
  EXPECT_FALSE(good.hasKey(""));
  good.setIntegerForKey(1, "currenttype");
  EXPECT_TRUE(good.lastWriteSucceeded());
}
