// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one art generator: every picture the application ships is drawn here, with
// fixed seeds and no clock, so that regenerating gives the very same pixels.
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace art {

// Small deterministic generator (splitmix64): the same seed gives the same
// sequence on every machine, unlike the standard distributions.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  // Uniform in [0, 1).
  double uniform();
  double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
  int below(int n) { return static_cast<int>(uniform() * n); }

 private:
  std::uint64_t state_;
};

// Smooth value noise in [0, 1], the same for the same seed and coordinates.
double valueNoise(std::uint32_t seed, double x, double y);
// Several octaves of value noise, normalised to [0, 1].
double fractalNoise(std::uint32_t seed, double x, double y, int octaves);

// Sketch-brush texture: grey pencil hatching and paper grain, mostly dark.
QImage drawSketchBrush(int size = 1024);

// Canvas controls.
QImage drawUndo();
QImage drawRedo();
QImage drawLetterButton(QChar letter, bool selected);
QImage drawBrushCircle();

// Main screen.
QImage drawWood();
QImage drawMenuBar();
QImage drawMenuButton();
QImage drawListBackground();
QImage drawAppIcon(int size = 256);
// The same icon as SVG text (SVG Tiny 1.2), 256 units square.
QString drawAppIconSvg();
// The painting document's icon (the landscape on a page with a folded corner),
// and the same as SVG text.
QImage drawDocumentIcon(int size = 256);
QString drawDocumentIconSvg();

// More-apps dialog.
enum class PromoApp { Gimp, Krita, Inkscape };
QImage drawPromoButton();
QImage drawPromoIcon(PromoApp app);
QImage drawPromoDemo(PromoApp app);

// Desktop toolbar and menu icons ("tb_open", ...): one design drawn at any
// pixel size. Shipped at 24 ("tb_open.png"), 36 ("tb_open@1.5x.png") and 48
// ("tb_open@2x.png"); Qt finds the @2x file by itself only when the
// application's ratio exceeds 1, so icons should add all three files.
// Null for an unknown name or a size outside 16..512.
QStringList toolbarIconNames();
std::vector<std::pair<QString, int>> toolbarIconSizes();
QImage drawToolbarIcon(const QString& name, int size);

// Style thumbnails: style 0 is the photo itself, 1..7 the engine's styles with
// the texture stretched to the photo. The result is centre-cropped to 3:4 and
// scaled to the thumbnail size. Nothing when the engine refuses the input.
inline constexpr int kThumbnailWidth = 240;
inline constexpr int kThumbnailHeight = 320;
std::optional<QImage> drawStyleThumbnail(int style, const QImage& photo, const QImage& texture,
                                         QString* error = nullptr);
// Centre crop to the aspect w:h, then smooth scale to exactly w x h.
QImage fitCentreCrop(const QImage& image, int w, int h);

// One shipped picture: its file name and how to draw it.
struct Piece {
  QString name;
  std::function<QImage()> draw;
};
std::vector<Piece> catalog();

// Writes PNG (lossless) or JPEG (fixed quality) by the name's extension.
bool writePicture(const QImage& image, const QString& path, QString* error = nullptr);
// Draws every piece of the catalogue into outDir (created when missing).
bool generateAll(const QString& outDir, QStringList* written = nullptr, QString* error = nullptr);

// The desktop icon in the theme sizes that the package installs besides the
// 256-pixel vorlane.png: "<N>x<N>.png" for each size below and "scalable.svg";
// and the document icon in all the app icon's sizes, which the app itself never
// shows: "document-<N>x<N>.png" and "document-scalable.svg".
inline constexpr int kIconSizes[] = {48, 64, 128};
inline constexpr int kDocumentIconSizes[] = {48, 64, 128, 256};
bool generateIcons(const QString& outDir, QStringList* written = nullptr, QString* error = nullptr);

}  // namespace art
