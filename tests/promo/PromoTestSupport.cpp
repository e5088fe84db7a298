#include "PromoTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QWindow>

#include "TestSupport.h"
#include "platform/UserDefaults.h"

namespace promo_test {
namespace {

QString stringNode(const QString& key, const QString& value) {
  return QStringLiteral("<key>%1</key><string>%2</string>").arg(key, value.toHtmlEscaped());
}

int g_settingsSerial = 0;

}  // namespace

QString testPath(const QString& fileName) {
  return vorlane_test::testRoot() + "/" + fileName;
}

QString writeList(const QString& fileName, const QList<ListEntry>& entries) {
  QString xml = QStringLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
      "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
      "<plist version=\"1.0\"><array>\n");
  for (const ListEntry& e : entries) {
    xml += QStringLiteral("<dict>") + stringNode("title", e.title) + stringNode("info", e.info) +
           stringNode("icon", e.icon) + stringNode("demoimg", e.demoimg) + stringNode("link", e.link) +
           QStringLiteral("</dict>\n");
  }
  xml += QStringLiteral("</array></plist>\n");
  const QString path = testPath(fileName);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
  file.write(xml.toUtf8());
  return path;
}

QString writePicture(const QString& fileName, QSize size, QColor color) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(color);
  const QString path = testPath(fileName);
  return image.save(path, "PNG") ? path : QString();
}

void useFreshSettings() {
  platform::UserDefaults::setStorageFile(vorlane_test::testRoot() +
                                         QStringLiteral("/promo-settings-%1.ini").arg(++g_settingsSerial));
}

void setCounter(int moreTimes) {
  platform::UserDefaults::standardUserDefaults().setIntegerForKey(moreTimes, QStringLiteral("more_times"));
}

int counter() {
  return platform::UserDefaults::standardUserDefaults().integerForKey(QStringLiteral("more_times"));
}

std::unique_ptr<QWidget> shownHost(QSize size) {
  auto host = std::make_unique<QWidget>();
  host->setFixedSize(size);
  host->show();
  if (!QTest::qWaitForWindowExposed(host.get())) return nullptr;
  return host;
}

void clickAt(QWidget* host, QPoint point) {
  QTest::mouseClick(host->windowHandle(), Qt::LeftButton, Qt::NoModifier, point);
}

QPoint centreOf(const QRectF& frame) {
  return frame.center().toPoint();
}

}  // namespace promo_test
