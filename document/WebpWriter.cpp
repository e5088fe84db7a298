// SPDX-License-Identifier: GPL-3.0-or-later
// The animated WebP time-lapse: libwebp's WebPAnimEncoder, which keeps only
// the previous canvas and the encoded frames (a frame equal to the one before
// lengthens it instead of adding one).
#include <QCoreApplication>
#include <QFile>
#include <cmath>

#include "document/FrameWriter.h"
#include "platform/Reason.h"

#include <webp/encode.h>
#include <webp/mux.h>

namespace document {
namespace {

QString writeFailure(const QFile& file) {
  return platform::cannotBeWritten(file.errorString());
}

class WebpWriter final : public FrameWriter {
 public:
  ~WebpWriter() override {
    if (encoder_) WebPAnimEncoderDelete(encoder_);
  }

  bool open(const QString& path, QSize size, int fps, QString* reason) {
    path_ = path;
    size_ = size;
    fps_ = fps;
    WebPAnimEncoderOptions options;
    if (size.isEmpty() || fps <= 0 || !WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config_)) {
      if (reason) *reason = QCoreApplication::translate("document", "libwebp cannot start");
      return false;
    }
    options.anim_params.loop_count = 0;
    // Lossy at a quality where the pencil texture survives; method 3 of 0..6
    // trades a little size for encoding several times faster than the default.
    config_.quality = 80;
    config_.method = 3;
    encoder_ = WebPAnimEncoderNew(size.width(), size.height(), &options);
    if (!encoder_ || !WebPValidateConfig(&config_)) {
      if (reason) *reason = QCoreApplication::translate("document", "libwebp cannot start");
      return false;
    }
    // The file is made now, so that a folder that cannot take it fails before
    // any frame is encoded.
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      if (reason) *reason = writeFailure(file);
      return false;
    }
    return true;
  }

  bool add(const QImage& frame, QString* reason) override {
    if (frame.size() != size_ || frame.depth() != 32) {
      if (reason) *reason = QCoreApplication::translate("document", "a frame does not match the animation");
      return false;
    }
    // RGBX bytes whatever the machine's byte order (the frames are opaque).
    const QImage rgbx = frame.convertToFormat(QImage::Format_RGBX8888);
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) return fail(reason);
    picture.use_argb = 1;
    picture.width = size_.width();
    picture.height = size_.height();
    bool ok = WebPPictureImportRGBX(&picture, rgbx.constBits(), int(rgbx.bytesPerLine())) &&
              WebPAnimEncoderAdd(encoder_, &picture, timestamp(frames_), &config_);
    WebPPictureFree(&picture);
    if (!ok) return fail(reason);
    ++frames_;
    return true;
  }

  bool finish(QString* reason) override {
    // The end time makes the last frame last its 1/fps like the others.
    if (!WebPAnimEncoderAdd(encoder_, nullptr, timestamp(frames_), nullptr)) return fail(reason);
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(encoder_, &data)) return fail(reason);
    QFile file(path_);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(reinterpret_cast<const char*>(data.bytes), qint64(data.size)) ==
                             qint64(data.size) &&
                         file.flush();
    WebPDataClear(&data);
    if (!written && reason) *reason = writeFailure(file);
    return written;
  }

 private:
  int timestamp(int frame) const { return int(std::lround(double(frame) * 1000.0 / fps_)); }

  bool fail(QString* reason) const {
    if (reason) {
      const char* why = encoder_ ? WebPAnimEncoderGetError(encoder_) : nullptr;
      //: Why a time-lapse cannot be written; %1 is the WebP library's reason.
      *reason = why && *why ? QCoreApplication::translate("document", "the animation cannot be encoded (%1)")
                                  .arg(QString::fromUtf8(why))
                            : QCoreApplication::translate("document", "the animation cannot be encoded");
    }
    return false;
  }

  QString path_;
  QSize size_;
  int fps_ = 30;
  int frames_ = 0;
  WebPConfig config_{};
  WebPAnimEncoder* encoder_ = nullptr;
};

}  // namespace

std::unique_ptr<FrameWriter> openWebpWriter(const QString& path, QSize size, int fps, QString* reason) {
  auto writer = std::make_unique<WebpWriter>();
  if (!writer->open(path, size, fps, reason)) return nullptr;
  return writer;
}

}  // namespace document
