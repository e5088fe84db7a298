// SPDX-License-Identifier: GPL-3.0-or-later
// The MP4 time-lapse: libswscale turns each frame into yuv420p, libavcodec
// encodes it as H.264, libavformat muxes it.
#include <QCoreApplication>
#include <QFile>
#include <mutex>

#include "document/FrameWriter.h"
#include "platform/Reason.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace document {
namespace {

QString avError(int err) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(err, text, sizeof text);
  return QString::fromUtf8(text);
}

QString encoderFailure(int err) {
  //: Why a time-lapse cannot be written; %1 is the video library's reason.
  return QCoreApplication::translate("document", "the H.264 encoder cannot start (%1)").arg(avError(err));
}

QString writeFailure(int err) {
  return platform::cannotBeWritten(avError(err));
}

// The libraries' own log goes to stderr; what fails is reported through
// reason instead, once.
void quietLibav() {
  static std::once_flag once;
  std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

class Mp4Writer final : public FrameWriter {
 public:
  ~Mp4Writer() override {
    sws_freeContext(sws_);
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    avcodec_free_context(&codec_);
    if (fmt_ && fmt_->pb) avio_closep(&fmt_->pb);
    avformat_free_context(fmt_);
  }

  bool open(const QString& path, QSize size, int fps, QString* reason) {
    auto fail = [&](const QString& why) {
      if (reason) *reason = why;
      return false;
    };
    if (size.isEmpty() || size.width() % 2 || size.height() % 2)
      return fail(QCoreApplication::translate("document", "an MP4 frame needs even sides"));
    // libx264 for its quality per bit; any H.264 encoder will do without it.
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    const bool x264 = codec != nullptr;
    if (!codec) codec = avcodec_find_encoder(AV_CODEC_ID_H264);
    if (!codec)
      return fail(QCoreApplication::translate("document", "this system's libavcodec has no H.264 encoder"));
    // The muxer keeps the path: moving the index to the front reopens the file.
    const QByteArray file = QFile::encodeName(path);
    if (avformat_alloc_output_context2(&fmt_, nullptr, "mp4", file.constData()) < 0 || !fmt_)
      return fail(QCoreApplication::translate("document", "libavformat has no MP4 muxer"));
    stream_ = avformat_new_stream(fmt_, nullptr);
    codec_ = avcodec_alloc_context3(codec);
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
    if (!stream_ || !codec_ || !frame_ || !packet_)
      return fail(QString(platform::kNoMemory));
    codec_->width = size.width();
    codec_->height = size.height();
    codec_->time_base = AVRational{1, fps};
    codec_->framerate = AVRational{fps, 1};
    codec_->pix_fmt = AV_PIX_FMT_YUV420P;
    codec_->gop_size = 2 * fps;
    // What libswscale's default matrix makes: BT.601, limited range.
    codec_->colorspace = AVCOL_SPC_SMPTE170M;
    codec_->color_range = AVCOL_RANGE_MPEG;
    if (fmt_->oformat->flags & AVFMT_GLOBALHEADER) codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* codecOptions = nullptr;
    if (x264) {
      // Constant quality: flat sketch areas cost little, the painting's edges
      // stay clean; "veryfast" keeps a 10-second 1080p clip to seconds.
      av_dict_set(&codecOptions, "crf", "20", 0);
      av_dict_set(&codecOptions, "preset", "veryfast", 0);
    } else {
      codec_->bit_rate = std::int64_t(size.width()) * size.height() * fps / 4;
    }
    int err = avcodec_open2(codec_, codec, &codecOptions);
    av_dict_free(&codecOptions);
    if (err < 0) return fail(encoderFailure(err));
    if ((err = avcodec_parameters_from_context(stream_->codecpar, codec_)) < 0)
      return fail(encoderFailure(err));
    stream_->time_base = codec_->time_base;
    if ((err = avio_open(&fmt_->pb, file.constData(), AVIO_FLAG_WRITE)) < 0) return fail(writeFailure(err));
    // The index up front, so that a player can start before the whole file is there.
    AVDictionary* muxOptions = nullptr;
    av_dict_set(&muxOptions, "movflags", "+faststart", 0);
    err = avformat_write_header(fmt_, &muxOptions);
    av_dict_free(&muxOptions);
    if (err < 0) return fail(writeFailure(err));
    frame_->format = codec_->pix_fmt;
    frame_->width = size.width();
    frame_->height = size.height();
    if (av_frame_get_buffer(frame_, 0) < 0)
      return fail(QString(platform::kNoMemory));
    const AVPixelFormat source = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;
    sws_ = sws_getContext(size.width(), size.height(), source, size.width(), size.height(), AV_PIX_FMT_YUV420P,
                          SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    if (!sws_)
      return fail(QCoreApplication::translate("document", "the frames cannot be converted to yuv420p"));
    size_ = size;
    return true;
  }

  bool add(const QImage& frame, QString* reason) override {
    if (frame.size() != size_ || frame.depth() != 32) {
      if (reason) *reason = QCoreApplication::translate("document", "a frame does not match the video");
      return false;
    }
    int err = av_frame_make_writable(frame_);
    if (err >= 0) {
      const std::uint8_t* planes[] = {frame.constBits()};
      const int strides[] = {int(frame.bytesPerLine())};
      sws_scale(sws_, planes, strides, 0, size_.height(), frame_->data, frame_->linesize);
      frame_->pts = next_++;
      err = avcodec_send_frame(codec_, frame_);
    }
    return err >= 0 ? drain(reason) : failed(err, reason);
  }

  bool finish(QString* reason) override {
    const int err = avcodec_send_frame(codec_, nullptr);
    if (err < 0) return failed(err, reason);
    if (!drain(reason)) return false;
    if (const int written = av_write_trailer(fmt_); written < 0) return failed(written, reason);
    if (const int closed = avio_closep(&fmt_->pb); closed < 0) return failed(closed, reason);
    return true;
  }

 private:
  static bool failed(int err, QString* reason) {
    //: Why a time-lapse cannot be written; %1 is the video library's reason.
    if (reason)
      *reason = QCoreApplication::translate("document", "the video cannot be encoded (%1)").arg(avError(err));
    return false;
  }

  // Hands every packet the encoder has ready to the muxer.
  bool drain(QString* reason) {
    for (;;) {
      int err = avcodec_receive_packet(codec_, packet_);
      if (err == AVERROR(EAGAIN) || err == AVERROR_EOF) return true;
      if (err < 0) return failed(err, reason);
      av_packet_rescale_ts(packet_, codec_->time_base, stream_->time_base);
      packet_->stream_index = stream_->index;
      if ((err = av_interleaved_write_frame(fmt_, packet_)) < 0) {
        if (reason) *reason = writeFailure(err);
        return false;
      }
    }
  }

  AVFormatContext* fmt_ = nullptr;
  AVStream* stream_ = nullptr;
  AVCodecContext* codec_ = nullptr;
  AVFrame* frame_ = nullptr;
  AVPacket* packet_ = nullptr;
  SwsContext* sws_ = nullptr;
  QSize size_;
  std::int64_t next_ = 0;
};

}  // namespace

std::unique_ptr<FrameWriter> openMp4Writer(const QString& path, QSize size, int fps, QString* reason) {
  quietLibav();
  auto writer = std::make_unique<Mp4Writer>();
  if (!writer->open(path, size, fps, reason)) return nullptr;
  return writer;
}

}  // namespace document
