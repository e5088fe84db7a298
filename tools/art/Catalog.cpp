// The list of shipped pictures and writing them out.
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <memory>

#include "tools/art/Art.h"

namespace art {

std::vector<Piece> catalog() {
  std::vector<Piece> pieces;
  pieces.push_back({"sketchbrush.png", [] { return drawSketchBrush(); }});
  return pieces;
}

bool writePicture(const QImage& image, const QString& path, QString* error) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  const bool jpeg = suffix == "jpg" || suffix == "jpeg";
  if (!jpeg && suffix != "png") {
    if (error) *error = path + ": unknown picture type";
    return false;
  }
  QImageWriter writer(path, jpeg ? "jpeg" : "png");
  if (jpeg) {
    writer.setQuality(92);
  } else {
    writer.setCompression(9);
  }
  // JPEG has no alpha: flatten onto white rather than letting the writer pick.
  QImage toWrite = image;
  if (jpeg && image.hasAlphaChannel()) {
    toWrite = QImage(image.size(), QImage::Format_RGB32);
    toWrite.fill(Qt::white);
    QPainter(&toWrite).drawImage(0, 0, image);
  }
  if (!writer.write(toWrite)) {
    if (error) *error = path + ": " + writer.errorString();
    return false;
  }
  return true;
}

bool generateAll(const QString& outDir, QStringList* written, QString* error) {
  if (!QDir().mkpath(outDir)) {
    if (error) *error = outDir + ": cannot create the folder";
    return false;
  }
  for (const Piece& piece : catalog()) {
    const QImage image = piece.draw();
    if (image.isNull()) {
      if (error) *error = piece.name + ": drawing failed";
      return false;
    }
    const QString path = QDir(outDir).filePath(piece.name);
    if (!writePicture(image, path, error)) return false;
    if (written) written->append(path);
  }
  return true;
}

}  // namespace art
