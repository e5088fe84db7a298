// SPDX-License-Identifier: GPL-3.0-or-later
// The user-defaults store (values survive a restart, unreadable ones read 0 / false, a damaged file is
// moved aside for an empty one), the application's folders, the link opener seam and the notification centre.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <climits>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "platform/Desktop.h"
#include "platform/NotificationCenter.h"
#include "platform/Paths.h"
#include "platform/UserDefaults.h"

using namespace platform;

namespace {

QByteArray contents(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void replaceFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace

TEST(UserDefaults, ValuesRoundTripAtOnceOnDiskAndAcrossARestartAndBadWritesReportFailure) {
  QTemporaryDir dir;
  const QString path = dir.filePath("nested/folder/settings.ini");
  UserDefaults store(path);
  EXPECT_EQ(store.integerForKey("currenttype"), 0);
  EXPECT_FALSE(store.boolForKey("rated") || store.hasKey("currenttype"));
  store.setIntegerForKey(7, "currenttype");
  store.setIntegerForKey(INT_MIN, "currentAtype");
  store.setBoolForKey(true, "rated");
  store.setBoolForKey(false, "helphint");
  store.setIntegerForKey(2, "currenttype");  // the newest value wins
  EXPECT_TRUE(store.lastWriteSucceeded());
  EXPECT_TRUE(store.hasKey("helphint"));
  EXPECT_EQ(store.integerForKey("CurrentType"), 0);  // keys differ by case
  EXPECT_TRUE(store.boolForKey("currentAtype"));     // non-zero is true
  // Each write is on disk at once, with no explicit flush, for a later run of the program.
  const QByteArray text = contents(path);
  EXPECT_TRUE(text.contains("currenttype=2") && text.contains("rated=true")) << text.constData();
  UserDefaults later(path);
  for (auto [key, value] :
       {std::pair{"currenttype", 2}, {"currentAtype", INT_MIN}, {"rated", 1}, {"helphint", 0}})
    EXPECT_EQ(later.integerForKey(key), value) << key;
  later.setIntegerForKey(1, "");
  EXPECT_FALSE(later.lastWriteSucceeded());
  EXPECT_FALSE(later.hasKey(""));
  ASSERT_TRUE(QDir().mkpath(dir.filePath("folder.ini")));  // a folder where the file should be
  UserDefaults unusable(dir.filePath("folder.ini"));
  unusable.setIntegerForKey(9, "currenttype");
  EXPECT_FALSE(unusable.lastWriteSucceeded());
  // The standard store is one object that follows the storage file.
  UserDefaults::setStorageFile(dir.filePath("a.ini"));
  UserDefaults& standard = UserDefaults::standardUserDefaults();
  standard.setIntegerForKey(3, "currenttype");
  UserDefaults::setStorageFile(dir.filePath("b.ini"));
  EXPECT_EQ(&standard, &UserDefaults::standardUserDefaults());
  EXPECT_EQ(standard.integerForKey("currenttype"), 0);
  UserDefaults::setStorageFile(dir.filePath("a.ini"));
  EXPECT_EQ(standard.integerForKey("currenttype"), 3);
  UserDefaults::setStorageFile({});
  const QString expected =
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/settings.ini";
  EXPECT_EQ(standard.fileName(), expected);
  EXPECT_TRUE(expected.startsWith(vorlane_test::testRoot())) << expected.toStdString();
}


TEST(UserDefaults, HandEditedValuesReadSensiblyAndSurviveAWrite) {
  QTemporaryDir dir;
  const QString name = dir.filePath("settings.ini");
  replaceFile(name, "[General]\na=3.0\nb=yes\nc=NO\nd=1\nword=abc\nhuge=99999999999\nneg=-12\nspaced= 4 \n");
  UserDefaults store(name);
  for (auto [key, value] : {std::pair{"a", 3}, {"word", 0}, {"huge", INT_MAX}, {"neg", -12}, {"spaced", 4}})
    EXPECT_EQ(store.integerForKey(key), value) << key;
  for (auto [key, value] :
       {std::pair{"b", true}, {"c", false}, {"d", true}, {"word", false}, {"rated", false}})
    EXPECT_EQ(store.boolForKey(key), value) << key;
  store.setBoolForKey(true, "rated");
  ASSERT_TRUE(store.lastWriteSucceeded());
  UserDefaults reopened(name);
  EXPECT_EQ(reopened.integerForKey("neg"), -12);
  EXPECT_TRUE(reopened.boolForKey("rated"));
  EXPECT_FALSE(QFile::exists(name + ".damaged"));
}

// QSettings finds junk lines only when it parses their section, at the first key asked for: the damage is
// found at once all the same, whether a read or a write comes first. The damaged file is kept aside as it
// was, and the store starts empty: neither the junk nor the valid-looking key reaches the new file.
TEST(UserDefaults, ADamagedFileIsMovedAsideWholeAndTheStoreStartsEmpty) {
  QTemporaryDir dir;
  QByteArray damaged("[General]\nneg=-12\nrated=true\n");
  for (int i = 0; i < 4096; ++i) damaged.append(static_cast<char>((i * 97 + 13) & 0xFF));
  damaged.append("\n[General\nrated=\"unterminated\n\x00\xff[[[", 30);
  for (const bool readFirst : {false, true}) {
    const QString name = dir.filePath(readFirst ? "read-first.ini" : "write-first.ini");
    replaceFile(name, damaged);
    UserDefaults store(name);
    if (readFirst) {
      EXPECT_FALSE(store.hasKey("neg"));
      EXPECT_EQ(store.integerForKey("neg"), 0);
      EXPECT_FALSE(store.boolForKey("rated"));
    }
    store.setIntegerForKey(5, "currenttype");
    EXPECT_TRUE(store.lastWriteSucceeded()) << readFirst;
    EXPECT_EQ(contents(name), "[General]\ncurrenttype=5\n") << readFirst;
    EXPECT_EQ(contents(name + ".damaged"), damaged) << readFirst;
    UserDefaults reopened(name);
    EXPECT_EQ(reopened.integerForKey("currenttype"), 5);
    EXPECT_FALSE(reopened.hasKey("neg"));
  }
}

TEST(Paths, FoldersAreMadeOnDemandAndLinksGoToTheInstalledOpener) {
  const QString home = homeDirectory(),
                pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  EXPECT_EQ(home, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  EXPECT_TRUE(home.startsWith(vorlane_test::testRoot())) << home.toStdString();
  EXPECT_TRUE(pictures.startsWith(vorlane_test::testRoot())) << pictures.toStdString();
  const std::pair<std::function<QString()>, QString> cases[] = {
      {documentsDirectory, home + "/Documents"},
      {[] { return QFileInfo(scratchFilePath()).path(); }, home + "/Documents"},
      {albumDirectory, pictures + "/Vorlane"}};
  for (const auto& [made, folder] : cases) {  // made again, ready for the write
    ASSERT_TRUE(QDir(folder).removeRecursively()) << folder.toStdString();
    EXPECT_EQ(made(), folder);
    EXPECT_TRUE(QDir(folder).exists()) << folder.toStdString();
  }
  EXPECT_EQ(scratchFilePath(), home + "/Documents/tmpimg.png");
  // The installed link opener receives links and decides the result.
  QList<QUrl> opened;
  setUrlOpener([&](const QUrl& url) { return opened.append(url), url.scheme() == "appstream"; });
  EXPECT_TRUE(openURL(QUrl("appstream://org.vorlane.vorlane")));
  EXPECT_FALSE(openURL(QUrl("https://example.org/app?id=1")));
  EXPECT_FALSE(openURL(QUrl()));  // refused before any opener sees them
  EXPECT_FALSE(openURL(QUrl("appstream://[broken")));
  setUrlOpener({});
  EXPECT_EQ(opened,
            (QList<QUrl>{QUrl("appstream://org.vorlane.vorlane"), QUrl("https://example.org/app?id=1")}));
}

static QString calls;
static NotificationCenter::Handler note(const QString& mark) {
  return [mark](const QVariant& payload) { calls += mark + (payload.isValid() ? payload.toString() : ""); };
}

TEST(NotificationCenter, DeliversInOrderUntilRemovedOrDestroyedAndHandlersMayChangeThings) {
  QObject keeper;  // outlives the centre: its destroyed signal must not reach the dead centre
  NotificationCenter center;
  QObject a, b;
  auto doomed = std::make_unique<QObject>();
  calls.clear();
  for (auto [observer, name, mark] : {std::tuple<QObject*, const char*, const char*>{&a, "kGotoMore", "a"},
                                      {&b, "kGotoMore", "b"},
                                      {&a, "kKillMore", "k"},
                                      {doomed.get(), "kGotoMore", "d"},
                                      {doomed.get(), "m", "d"},
                                      {&keeper, "kGotoMore", "K"},
                                      {nullptr, "kKillMore", "?"}})  // the last is refused: no observer
    center.addObserver(observer, name, note(mark));
  center.addObserver(&a, "kKillMore", {});  // refused: no handler
  EXPECT_EQ(center.observerCount(), 6);
  center.postNotificationName("kGotoMore", QVariant(2));
  center.postNotificationName("kKillMore");
  center.postNotificationName("kgotomore", 1);  // names are exact
  EXPECT_EQ(calls, QString("a2b2d2K2k"));
  center.removeObserver(&a), center.removeObserver(&a), center.removeObserver(nullptr);  // twice is harmless
  doomed.reset();
  EXPECT_EQ(center.observerCount(), 2);
  center.postNotificationName("kGotoMore"), center.postNotificationName("m");
  EXPECT_EQ(calls, QString("a2b2d2K2kbK"));
  // Changes and posts from inside a handler are safe.
  QObject first, second, late, self, other;
  auto victim = std::make_unique<QObject>();
  calls.clear();
  // first removes second, deletes victim and adds late while the post runs;
  // self removes itself and posts another name from its handler.
  center.addObserver(&first, "n", [&](const QVariant&) {
    calls += "F", center.removeObserver(&second), victim.reset(), center.addObserver(&late, "n", note("L"));
  });
  center.addObserver(&second, "n", note("S"));
  center.addObserver(victim.get(), "n", note("V"));
  center.addObserver(&self, "n", [&](const QVariant&) {
    calls += "self", center.removeObserver(&self), center.postNotificationName("echo");
  });
  center.addObserver(&other, "echo", note("-echo"));
  center.postNotificationName("n");
  EXPECT_EQ(calls, QString("Fself-echo"));
  center.postNotificationName("n");  // first runs again and adds late once more
  EXPECT_EQ(calls, QString("Fself-echoFL"));
}
