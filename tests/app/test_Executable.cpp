// The installed pieces: the executable's command line and the desktop entry.
#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QProcessEnvironment privateEnvironment(const QTemporaryDir& dir) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
  env.insert("XDG_DATA_HOME", dir.filePath("data"));
  return env;
}

}  // namespace

TEST(Executable, ShowsItsWindowAndQuitsWhenAsked) {
  QTemporaryDir dir;
  QProcess p;
  p.setProcessEnvironment(privateEnvironment(dir));
  p.start(VORLANE_EXE, {"--profile", "phone", "--screen-height", "568", "--quit-after-show"});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(p.exitCode(), 0);
  EXPECT_EQ(p.readAllStandardOutput().trimmed(), QByteArray("shown"));
}

TEST(Executable, RejectsABadCommandLine) {
  QTemporaryDir dir;
  QProcess p;
  p.setProcessEnvironment(privateEnvironment(dir));
  p.start(VORLANE_EXE, {"--profile", "watch"});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 2);
  const QByteArray err = p.readAllStandardError();
  EXPECT_TRUE(err.contains("--profile")) << err.toStdString();
  EXPECT_TRUE(err.contains("usage:"));
}

TEST(DesktopEntry, OpensImagesWithTheApplicationId) {
  QFile file(VORLANE_DESKTOP_FILE);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  ASSERT_EQ(lines.first(), QStringLiteral("[Desktop Entry]"));
  QMap<QString, QString> entry;
  for (const QString& line : lines.mid(1)) {
    const int eq = line.indexOf('=');
    if (eq > 0) entry.insert(line.left(eq), line.mid(eq + 1));
  }
  EXPECT_EQ(entry.value("Type"), QStringLiteral("Application"));
  EXPECT_EQ(entry.value("Name"), QStringLiteral("Vorlane"));
  EXPECT_EQ(entry.value("Icon"), QStringLiteral("org.vorlane.Vorlane"));
  EXPECT_TRUE(entry.value("Exec").startsWith("vorlane "));
  EXPECT_TRUE(entry.value("Exec").contains("%f"));
  const QStringList mime = entry.value("MimeType").split(';', Qt::SkipEmptyParts);
  for (const char* type : {"image/jpeg", "image/png", "image/bmp", "image/webp"})
    EXPECT_TRUE(mime.contains(QLatin1String(type))) << type;
}
