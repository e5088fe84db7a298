// Folders of the application, the link opener seam.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <vector>

#include "TestSupport.h"
#include "platform/Desktop.h"
#include "platform/Paths.h"

using namespace platform;

TEST(Paths, FoldersLiveInTheAppDataAndPicturesFoldersAndAreMadeOnDemand) {
  const QString home = homeDirectory();
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  EXPECT_EQ(home, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  EXPECT_TRUE(home.startsWith(vorlane_test::testRoot()) && pictures.startsWith(vorlane_test::testRoot()));
  ASSERT_TRUE(QDir(home + "/Documents").removeRecursively());
  EXPECT_EQ(documentsDirectory(), home + "/Documents");
  EXPECT_TRUE(QFileInfo(home + "/Documents").isDir());
  ASSERT_TRUE(QDir(home + "/Documents").removeRecursively());
  EXPECT_EQ(scratchFilePath(), home + "/Documents/tmpimg.png");
  EXPECT_TRUE(QFileInfo(home + "/Documents").isDir());  // ready for the write
  ASSERT_TRUE(QDir(pictures + "/Vorlane").removeRecursively());
  EXPECT_EQ(albumDirectory(), pictures + "/Vorlane");
  EXPECT_TRUE(QFileInfo(pictures + "/Vorlane").isDir());
}

TEST(Desktop, InstalledOpenerReceivesLinksAndDecidesTheResult) {
  std::vector<QUrl> opened;
  bool answer = true;
  setUrlOpener([&](const QUrl& url) {
    opened.push_back(url);
    return answer;
  });
  EXPECT_TRUE(openURL(QUrl("appstream://org.vorlane.vorlane")));
  answer = false;
  EXPECT_FALSE(openURL(QUrl("https://example.org/app?id=1")));
  EXPECT_FALSE(openURL(QUrl()));  // nothing to open: refused before any opener sees it
  EXPECT_FALSE(openURL(QUrl("http://[broken")));
  setUrlOpener({});
  EXPECT_EQ(opened,
            (std::vector<QUrl>{QUrl("appstream://org.vorlane.vorlane"), QUrl("https://example.org/app?id=1")}));
}
