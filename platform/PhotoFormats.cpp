// SPDX-License-Identifier: GPL-3.0-or-later
// The formats the photo path reads, as open dialogs and desktop files name them.
#include <QImageReader>
#include <QStringList>

#include "platform/HeifDecoder.h"
#include "platform/PhotoDecoder.h"

namespace platform {
namespace {

struct Format {
  const char* plugin;  // Qt's image plugin, or "heif"/"avif" for libheif's decoders
  const char* patterns;
  const char* mimeTypes;
};

constexpr Format kFormats[] = {
    {"jpeg", "*.jpg *.jpeg *.jpe *.jfif", "image/jpeg"},
    {"png", "*.png", "image/png"},
    {"gif", "*.gif", "image/gif"},
    {"bmp", "*.bmp *.dib", "image/bmp"},
    {"tiff", "*.tif *.tiff", "image/tiff"},
    {"webp", "*.webp", "image/webp"},
    {"ppm", "*.pbm *.pgm *.ppm *.pnm",
     "image/x-portable-bitmap image/x-portable-graymap image/x-portable-pixmap image/x-portable-anymap"},
    {"heif", "*.heic *.heif *.hif", "image/heic image/heif"},
    {"avif", "*.avif", "image/avif"},
};

bool available(const Format& format) {
  const QByteArray plugin(format.plugin);
  if (plugin == "heif" || plugin == "avif") return HeifDecoder::canDecode(plugin == "avif");
  return QImageReader::supportedImageFormats().contains(plugin);
}

QStringList collect(const char* Format::*field) {
  QStringList out;
  for (const Format& format : kFormats)
    if (available(format)) out << QString::fromLatin1(format.*field).split(' ');
  return out;
}

}  // namespace

QStringList readablePhotoPatterns() {
  return collect(&Format::patterns);
}
QStringList readablePhotoMimeTypes() {
  return collect(&Format::mimeTypes);
}

}  // namespace platform
