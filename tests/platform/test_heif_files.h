// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// HEIC and AVIF files written by libheif's own encoders (x265, aom), for the decoder tests.
#include <libheif/heif.h>

#include <QByteArray>
#include <QImage>

namespace heif_files {

// The picture encoded as HEIC (or AVIF), stored so that the file's rotation and mirroring
// (EXIF numbering 1..8, written as irot/imir) give it back; an empty array when no encoder is there.
inline QByteArray encode(const QImage& picture, bool avif, int exifOrientation = 1) {
  heif_context* context = heif_context_alloc();
  heif_encoder* encoder = nullptr;
  QByteArray out;
  if (heif_context_get_encoder_for_format(context, avif ? heif_compression_AV1 : heif_compression_HEVC,
                                          &encoder)
          .code == heif_error_Ok) {
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_image* image = nullptr;
    heif_image_create(picture.width(), picture.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                      &image);
    heif_image_add_plane(image, heif_channel_interleaved, picture.width(), picture.height(), 8);
    int stride = 0;
    std::uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb p = picture.pixel(x, y);
        std::uint8_t* at = plane + y * stride + 3 * x;
        at[0] = std::uint8_t(qRed(p)), at[1] = std::uint8_t(qGreen(p)), at[2] = std::uint8_t(qBlue(p));
      }
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = heif_orientation(exifOrientation);
    if (heif_context_encode_image(context, image, encoder, options, nullptr).code == heif_error_Ok) {
      heif_writer writer{1, [](heif_context*, const void* data, size_t size, void* sink) {
                           static_cast<QByteArray*>(sink)->append(static_cast<const char*>(data),
                                                                  qsizetype(size));
                           return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
                         }};
      heif_context_write(context, &writer, &out);
    }
    heif_encoding_options_free(options);
    heif_image_release(image);
    heif_encoder_release(encoder);
  }
  heif_context_free(context);
  return out;
}

}  // namespace heif_files
