// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bounded reading of a picture's bytes for header checks: saturating size
// arithmetic, byte-order helpers, and random access through a window.
#include <QByteArray>
#include <QIODevice>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace platform::header_bytes {

constexpr qint64 kHuge = std::numeric_limits<qint64>::max() / 4;

// Products and sums of claimed sizes saturate rather than wrap.
inline qint64 mul(qint64 a, qint64 b) {
  qint64 r = 0;
  return __builtin_mul_overflow(a, b, &r) || r > kHuge ? kHuge : r;
}
// Both at most kHuge, so the sum cannot wrap.
inline qint64 add(qint64 a, qint64 b) {
  return std::min(kHuge, a + b);
}
inline qint64 ceilDiv(qint64 a, qint64 b) {
  return (a + b - 1) / b;
}

inline quint32 bigEndian(const std::uint8_t* p, int n) {
  quint32 v = 0;
  for (int i = 0; i < n; ++i) v = v << 8 | p[i];
  return v;
}
inline quint32 littleEndian(const std::uint8_t* p, int n) {
  quint32 v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

// Random access to the bytes through a window, so that walking a file's
// segments or chunks costs a read per 64 KB rather than per header.
class ByteSource {
 public:
  explicit ByteSource(QIODevice& device) : device_(device), size_(device.size()) {}
  qint64 size() const { return size_; }

  // n bytes at pos; false when the data ends sooner.
  bool read(qint64 pos, void* out, qint64 n) {
    if (pos < 0 || n < 0 || pos > size_ - n) return false;
    if (n > kWindow) return device_.seek(pos) && device_.read(static_cast<char*>(out), n) == n;
    if (pos < windowStart_ || pos + n > windowStart_ + window_.size()) {
      if (!device_.seek(pos)) return false;
      window_ = device_.read(kWindow);
      windowStart_ = pos;
      if (window_.size() < n) return false;
    }
    std::memcpy(out, window_.constData() + (pos - windowStart_), std::size_t(n));
    return true;
  }
  int byteAt(qint64 pos) {
    std::uint8_t b = 0;
    return read(pos, &b, 1) ? b : -1;
  }
  // Where the last pair of bytes a, b at or after `from` starts, or -1.
  qint64 lastPairAfter(qint64 from, std::uint8_t a, std::uint8_t b) {
    QByteArray chunk;
    for (qint64 end = size_; end - from >= 2;) {
      const qint64 begin = std::max(from, end - kWindow);
      chunk.resize(end - begin);
      if (!read(begin, chunk.data(), chunk.size())) return -1;
      for (qint64 i = chunk.size() - 2; i >= 0; --i)
        if (std::uint8_t(chunk[i]) == a && std::uint8_t(chunk[i + 1]) == b) return begin + i;
      if (begin == from) break;
      end = begin + 1;  // overlap one byte so that a pair across chunks is seen
    }
    return -1;
  }

 private:
  static constexpr qint64 kWindow = 64 * 1024;
  QIODevice& device_;
  qint64 size_;
  QByteArray window_;
  qint64 windowStart_ = 0;
};

}  // namespace platform::header_bytes
