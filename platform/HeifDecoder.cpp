// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HeifDecoder.h"

#include <libheif/heif.h>

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>

#include "platform/Reason.h"

namespace platform {
namespace {

constexpr Reason kDamaged{"platform", QT_TRANSLATE_NOOP("platform", "the file is damaged or incomplete")};

QString reasonFor(const heif_error& error) {
  // libheif refuses a size beyond its limits as an allocation error with this
  // subcode: a claim, not memory running out.
  if (error.subcode == heif_suberror_Security_limit_exceeded)
    return QCoreApplication::translate("platform", "the picture is too large");
  if (error.code == heif_error_Memory_allocation_error)
    return QString(kNoMemory);
  if (error.code == heif_error_Unsupported_filetype || error.code == heif_error_Unsupported_feature)
    return QCoreApplication::translate("platform", "the picture is stored in a way that cannot be read");
  return kDamaged;
}

bool fail(QString* reason, const QString& text) {
  if (reason) *reason = text;
  return false;
}

// libheif reads through these, straight from the open device.
std::int64_t position(void* device) {
  return static_cast<QIODevice*>(device)->pos();
}
int readBytes(void* data, std::size_t size, void* device) {
  auto* d = static_cast<QIODevice*>(device);
  return d->read(static_cast<char*>(data), qint64(size)) == qint64(size) ? 0 : 1;
}
int seekTo(std::int64_t at, void* device) {
  return static_cast<QIODevice*>(device)->seek(at) ? 0 : 1;
}
heif_reader_grow_status waitForSize(std::int64_t target, void* device) {
  return target <= static_cast<QIODevice*>(device)->size() ? heif_reader_grow_status_size_reached
                                                           : heif_reader_grow_status_size_beyond_eof;
}
const heif_reader kReader = {1, &position, &readBytes, &seekTo, &waitForSize};

// Registers libheif's decoders, once for the process (never undone: decoders
// may be in use on any thread until the end).
void setUpLibheif() {
  static const bool done = [] {
    heif_init(nullptr);
    return true;
  }();
  (void)done;
}

// Whether the file's type box names AV1 (brands "avif", "avis"), major or compatible.
bool namesAv1(QIODevice& device) {
  if (!device.seek(0)) return false;
  const QByteArray box = device.read(4096);
  if (box.size() < 16 || box.mid(4, 4) != "ftyp") return false;
  const qsizetype size = std::min<qsizetype>(box.size(), qFromBigEndian<quint32>(box.constData()));
  for (qsizetype at = 8; at + 4 <= size; at += at == 8 ? 8 : 4)
    if (box.mid(at, 4) == "avif" || box.mid(at, 4) == "avis") return true;
  return false;
}

}  // namespace

struct HeifDecoder::State {
  heif_context* context = nullptr;
  bool av1 = false;
  heif_image_handle* handle = nullptr;
  QIODevice* device = nullptr;
  ~State() {
    if (handle) heif_image_handle_release(handle);
    if (context) heif_context_free(context);
  }
};

HeifDecoder::HeifDecoder() : state_(std::make_unique<State>()) {
  setUpLibheif();
}

bool HeifDecoder::canDecode(bool av1) {
  setUpLibheif();
  return heif_have_decoder_for_format(av1 ? heif_compression_AV1 : heif_compression_HEVC) != 0;
}
HeifDecoder::~HeifDecoder() = default;

bool HeifDecoder::open(QIODevice& device, QString* reason) {
  state_->device = &device;
  state_->context = heif_context_alloc();
  if (!state_->context) return fail(reason, QString(kNoMemory));
  state_->av1 = namesAv1(device);
  if (!device.seek(0))
    return fail(reason, QCoreApplication::translate("platform", "the file cannot be read"));
  heif_error error = heif_context_read_from_reader(state_->context, &kReader, &device, nullptr);
  if (error.code != heif_error_Ok) return fail(reason, reasonFor(error));
  error = heif_context_get_primary_image_handle(state_->context, &state_->handle);
  if (error.code != heif_error_Ok) return fail(reason, reasonFor(error));
  if (size().isEmpty()) return fail(reason, kDamaged);
  return true;
}

QSize HeifDecoder::size() const {
  if (!state_->handle) return {};
  return QSize(heif_image_handle_get_width(state_->handle), heif_image_handle_get_height(state_->handle));
}

qint64 HeifDecoder::decodeCost() const {
  // The decoder's planes (up to three of 16-bit samples, twice while a coded
  // picture is copied out), then the RGBA picture, then its copy as a QImage.
  const int sampleBytes = heif_image_handle_get_luma_bits_per_pixel(state_->handle) > 8 ? 2 : 1;
  const qint64 perPixel = std::max({8, 4 + 3 * sampleBytes, 6 * sampleBytes});
  const QSize s = size();
  return (qint64(8) << 20) + qint64(s.width()) * s.height() * perPixel + state_->device->size();
}

std::optional<QImage> HeifDecoder::decode(QString* reason) {
  heif_decoding_options* options = heif_decoding_options_alloc();
  if (!options) {
    fail(reason, QString(kNoMemory));
    return std::nullopt;
  }
  options->convert_hdr_to_8bit = 1;
  options->strict_decoding = 1;  // a missing tile is damage, not a grey square
  // libheif 1.15 with dav1d leaks the decoder's frame on damaged AV1 data (found
  // by fuzzing); aom's decoder cleans up after itself.
  if (state_->av1) options->decoder_id = "aom";
  heif_image* picture = nullptr;
  const heif_error error =
      heif_decode_image(state_->handle, &picture, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, options);
  heif_decoding_options_free(options);
  if (error.code != heif_error_Ok) {
    if (picture) heif_image_release(picture);
    fail(reason, reasonFor(error));
    return std::nullopt;
  }
  const int w = heif_image_get_width(picture, heif_channel_interleaved);
  const int h = heif_image_get_height(picture, heif_channel_interleaved);
  int stride = 0;
  const std::uint8_t* plane = heif_image_get_plane_readonly(picture, heif_channel_interleaved, &stride);
  QImage image;
  if (plane && w > 0 && h > 0) image = QImage(w, h, QImage::Format_ARGB32);
  if (image.isNull()) {
    heif_image_release(picture);
    fail(reason, plane ? kNoMemory : kDamaged);
    return std::nullopt;
  }
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* in = plane + std::size_t(y) * std::size_t(stride);
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x, in += 4) out[x] = qRgba(in[0], in[1], in[2], in[3]);
  }
  heif_image_release(picture);
  return image;
}

}  // namespace platform
