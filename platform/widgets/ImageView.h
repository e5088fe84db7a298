// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An image view: paints its picture aspect-fit (scaled to fit, centred, aspect
// kept) and, when asked, keeps filling its parent widget as the parent resizes.
#include <QImage>
#include <QWidget>

namespace platform {

class ImageView : public QWidget {
  Q_OBJECT
 public:
  explicit ImageView(QWidget* parent = nullptr);
  ImageView(const QImage& image, QWidget* parent);

  const QImage& image() const { return image_; }
  void setImage(const QImage& image);

  // Follow the parent's size (the autoresizing mask that fills the parent).
  void setFillsParent(bool fills);

  // The rectangle the picture is painted into, in this widget's coordinates.
  QRectF pictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QImage image_;
  bool fillsParent_ = false;
};

}  // namespace platform
