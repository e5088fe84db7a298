// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step every photo goes through, in both forms of the command: one decode,
// each requested style rendered from it, each result written atomically. One
// sketcher per worker thread: it keeps its rasters for the next photo, so memory
// stays at one photo's need.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "document/StyleRenderer.h"

#include "sketch/PixelBuffer.h"

namespace vorlane_sketch {

struct OutputSettings {
  QByteArray format = "png";  // "png" or "jpeg"
  int quality = -1;           // -1: the format's default (JPEG 92, PNG effort kPngFastEffort)
  int size = -1;              // -1: the working size; 0: the photo's own size; else the longer side
};

// Qt's PNG compression scale 0..100 (zlib level = value / 11): 11 is zlib's
// fastest level, which writes a sketch several times faster than the default
// for a file about a tenth larger.
inline constexpr int kPngFastEffort = 11;
inline constexpr int kJpegQuality = 92;

// How an output takes its name.
enum class Commit {
  Replace,  // the INPUT OUTPUT form: OUTPUT names the file to (re)place
  Keep,     // batch: nothing is ever replaced; a name taken meanwhile moves on to " (2)", " (3)", ...
};

struct Target {
  int style = 1;  // 0 = the prepared photo itself
  QString path;
};

// The pencil texture shared read-only by every worker; name is what a failure
// line calls it.
struct Texture {
  QImage image;
  QString name;
};

class PhotoSketcher {
 public:
  // texture may be null when every target is style 0.
  PhotoSketcher(const Texture* texture, OutputSettings settings, Commit commit);

  // Renders input for every target. Paths actually written are appended to
  // *written (with Commit::Keep they may differ from the targets'). On failure
  // *failure is one line "FILE: reason" and the outputs not yet written are not
  // written; the ones already written are whole files.
  bool sketch(const QString& input, const std::vector<Target>& targets, QStringList* written,
              QString* failure);
  // Gives back the memory kept for the next photo (when others need it now).
  void release();

 private:
  bool render(const QString& input, int style, QSize size, double scale, QImage* image, QString* failure);
  bool flatten(const QString& input, const std::vector<Target>& targets, QStringList* written, QString* failure);
  bool write(const QImage& image, const QString& path, QString* writtenPath, QString* failure);
  bool writeNew(const QImage& image, const QString& path, QString* writtenPath, QString* failure);

  const Texture* texture_;
  OutputSettings settings_;
  Commit commit_;
  // The photo's grey bytes, the texture's values at its size, the style plane
  // and the render's scratch: kept so that photos of one size reuse their memory.
  sketch::GrayPlane grey_;
  sketch::GrayPlane textureValues_;
  sketch::GrayPlane plane_;
  std::vector<std::uint8_t> scratch_;
  // Documents are rendered as the app renders them, texture and all.
  std::unique_ptr<document::StyleRenderer> painter_;
};

// One failure line's text: the file, then what went wrong with it.
QString failureLine(const QString& file, const QString& reason);

// The reason given when memory runs out.
QString noMemoryReason();

// The file name with " (n)" before its extension: "a/x.style1.png", 2 ->
// "a/x.style1 (2).png".
QString numberedName(const QString& path, int n);

}  // namespace vorlane_sketch
