// The installed pieces: the executable's command line and the desktop entry.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QProcess>

TEST(Executable, ShowsItsWindowAndQuitsWhenAskedAndRejectsABadCommandLine) {
  // The child inherits the test's offscreen platform and private settings folders.
  QProcess p;
  p.start(VORLANE_EXE, {"--profile", "phone", "--screen-height", "568", "--quit-after-show"});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_EQ(p.readAllStandardOutput().trimmed(), QByteArray("shown"));

  p.start(VORLANE_EXE, {"--profile", "watch"});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 2);
  const QByteArray err = p.readAllStandardError();
  EXPECT_TRUE(err.contains("--profile") && err.contains("usage:")) << err.toStdString();

  // Help needs no display at all.
  QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
  bare.insert("QT_QPA_PLATFORM", "xcb");
  bare.remove("DISPLAY");
  bare.remove("WAYLAND_DISPLAY");
  p.setProcessEnvironment(bare);
  p.start(VORLANE_EXE, {"--help"});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_TRUE(p.readAllStandardOutput().startsWith("usage: vorlane"));
}

TEST(DesktopEntry, OpensImagesWithTheApplicationId) {
  QFile file(VORLANE_DESKTOP_FILE);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  ASSERT_EQ(lines.first(), QStringLiteral("[Desktop Entry]"));
  QMap<QString, QString> entry;
  for (const QString& line : lines.mid(1))
    if (line.indexOf('=') > 0) entry.insert(line.section('=', 0, 0), line.section('=', 1));
  EXPECT_EQ(entry.value("Type"), QStringLiteral("Application"));
  EXPECT_EQ(entry.value("Name"), QStringLiteral("Vorlane"));
  EXPECT_EQ(entry.value("Icon"), QStringLiteral("org.vorlane.vorlane"));
  EXPECT_TRUE(entry.value("Exec").startsWith("vorlane ") && entry.value("Exec").contains("%f"));
  const QStringList mime = entry.value("MimeType").split(';', Qt::SkipEmptyParts);
  for (const char* type : {"image/jpeg", "image/png", "image/bmp", "image/webp"})
    EXPECT_TRUE(mime.contains(QLatin1String(type))) << type;
}
