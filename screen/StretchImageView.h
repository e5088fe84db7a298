// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture stretched to fill the whole view (the background, the menu bar and
// the panel pictures fill their frames exactly).
#include <QImage>
#include <QWidget>

namespace screen {

class StretchImageView : public QWidget {
  Q_OBJECT
 public:
  explicit StretchImageView(const QImage& image, QWidget* parent = nullptr);
  const QImage& image() const { return image_; }
  void setImage(const QImage& image);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace screen
