#pragma once
// Helpers of the more-apps dialog tests: private settings, temporary lists,
// a shown window to click in.
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QVariantList>
#include <QWidget>
#include <memory>

namespace promo_test {

struct ListEntry {
  QString title, info, icon, demoimg, link;
};

// A path inside the test's temporary home.
QString testPath(const QString& fileName);

// Writes an XML property list whose root array holds the entries; returns its path.
QString writeList(const QString& fileName, const QList<ListEntry>& entries);

// Writes a solid picture of the given size and colour as a PNG; returns its absolute path.
QString writePicture(const QString& fileName, QSize size, QColor color);

// Points the settings store at a new, empty file.
void useFreshSettings();
void setCounter(int moreTimes);
int counter();

// A shown top-level window of the given size; the dialog goes inside it.
std::unique_ptr<QWidget> shownHost(QSize size);

// A real left click at point of the host's window (goes through hit testing).
void clickAt(QWidget* host, QPoint point);

// The centre of a float frame as a window point.
QPoint centreOf(const QRectF& frame);

}  // namespace promo_test
