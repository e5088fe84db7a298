// SPDX-License-Identifier: GPL-3.0-or-later
// The list of shipped pictures and writing them out.
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <memory>

#include "tools/art/Art.h"

namespace art {

std::vector<Piece> catalog() {
  std::vector<Piece> pieces;
  pieces.push_back({"sketchbrush.png", [] { return drawSketchBrush(); }});
  pieces.push_back({"undo.png", [] { return drawUndo(); }});
  pieces.push_back({"redo.png", [] { return drawRedo(); }});
  pieces.push_back({"A_UnSel.png", [] { return drawLetterButton('A', false); }});
  pieces.push_back({"A_Sel.png", [] { return drawLetterButton('A', true); }});
  pieces.push_back({"B_UnSel.png", [] { return drawLetterButton('B', false); }});
  pieces.push_back({"B_Sel.png", [] { return drawLetterButton('B', true); }});
  pieces.push_back({"circle.png", [] { return drawBrushCircle(); }});
  pieces.push_back({"wood.jpg", [] { return drawWood(); }});
  pieces.push_back({"MenuBar.png", [] { return drawMenuBar(); }});
  pieces.push_back({"Menubtn.png", [] { return drawMenuButton(); }});
  pieces.push_back({"listbk.jpg", [] { return drawListBackground(); }});
  pieces.push_back({"vorlane.png", [] { return drawAppIcon(); }});
  pieces.push_back({"BTN_4.png", [] { return drawPromoButton(); }});
  const std::pair<const char*, PromoApp> promos[] = {
      {"gimp", PromoApp::Gimp}, {"krita", PromoApp::Krita}, {"inkscape", PromoApp::Inkscape}};
  for (const auto& [key, app] : promos) {
    pieces.push_back({QString("more_%1_icon.png").arg(key), [app] { return drawPromoIcon(app); }});
    pieces.push_back({QString("more_%1_demo.jpg").arg(key), [app] { return drawPromoDemo(app); }});
  }
  for (const QString& icon : toolbarIconNames())
    for (const auto& variant : toolbarIconSizes())
      pieces.push_back({icon + variant.first + ".png",
                        [icon, size = variant.second] { return drawToolbarIcon(icon, size); }});
  // The thumbnails share one drawing of the texture and one decode of the
  // sample photo, made on first use.
  struct Inputs {
    QImage texture, photo;
  };
  auto inputs = std::make_shared<Inputs>();
  for (int style = 0; style <= 7; ++style) {
    pieces.push_back({QString("sketchtype%1.jpg").arg(style), [style, inputs] {
                        if (inputs->texture.isNull()) inputs->texture = drawSketchBrush();
                        if (inputs->photo.isNull()) inputs->photo = QImage(":/sample/astronaut.png");
                        return drawStyleThumbnail(style, inputs->photo, inputs->texture).value_or(QImage());
                      }});
  }
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
  // PNG: Qt's compression scale is 0..100 (100 = smallest file); lossless either way.
  if (jpeg) {
    writer.setQuality(92);
  } else {
    writer.setCompression(100);
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

bool generateIcons(const QString& outDir, QStringList* written, QString* error) {
  if (!QDir().mkpath(outDir)) {
    if (error) *error = outDir + ": cannot create the folder";
    return false;
  }
  auto writeSvg = [&](const QString& name, const QString& svg) {
    const QString path = QDir(outDir).filePath(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(svg.toUtf8()) < 0 || !file.commit()) {
      if (error) *error = path + ": " + file.errorString();
      return false;
    }
    if (written) written->append(path);
    return true;
  };
  auto writePng = [&](const QString& name, const QImage& image) {
    const QString path = QDir(outDir).filePath(name);
    if (!writePicture(image, path, error)) return false;
    if (written) written->append(path);
    return true;
  };
  for (int size : kIconSizes)
    if (!writePng(QStringLiteral("%1x%1.png").arg(size), drawAppIcon(size))) return false;
  if (!writeSvg(QStringLiteral("scalable.svg"), drawAppIconSvg())) return false;
  for (int size : kDocumentIconSizes)
    if (!writePng(QStringLiteral("document-%1x%1.png").arg(size), drawDocumentIcon(size))) return false;
  return writeSvg(QStringLiteral("document-scalable.svg"), drawDocumentIconSvg());
}

}  // namespace art
