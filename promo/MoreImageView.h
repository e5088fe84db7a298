// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture view of the more-apps dialog: the picture stretched over its frame
// or fitted into it (aspect kept, centred), corners rounded, and an optional
// soft shadow around the rounded picture. The widget may be larger than the
// picture's frame so that the shadow has room to spread; the frame is given in
// the widget's own coordinates.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QWidget>

namespace promo {

class MoreImageView : public QWidget {
  Q_OBJECT
 public:
  enum class ContentMode { ScaleToFill, AspectFit };

  explicit MoreImageView(QWidget* parent = nullptr);

  const QImage& image() const { return image_; }
  void setImage(const QImage& image);

  void setContentMode(ContentMode mode);
  ContentMode contentMode() const { return mode_; }

  void setCornerRadius(qreal radius);
  qreal cornerRadius() const { return cornerRadius_; }

  // Shadow of the rounded picture; opacity 0 (the default) draws none.
  void setShadow(const QColor& color, qreal opacity, qreal radius, QPointF offset);
  QColor shadowColor() const { return shadowColor_; }
  qreal shadowOpacity() const { return shadowOpacity_; }
  qreal shadowRadius() const { return shadowRadius_; }
  QPointF shadowOffset() const { return shadowOffset_; }

  // The view's frame inside the widget; the whole widget when never set.
  void setFrameRect(const QRectF& rect);
  QRectF frameRect() const;

  // Where the picture is painted, in widget coordinates (empty without one).
  QRectF pictureRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage shadowImage();

  QImage image_;
  ContentMode mode_ = ContentMode::ScaleToFill;
  qreal cornerRadius_ = 0.0;
  QColor shadowColor_;
  qreal shadowOpacity_ = 0.0;
  qreal shadowRadius_ = 0.0;
  QPointF shadowOffset_;
  QRectF frameRect_;
  bool hasFrameRect_ = false;
  QImage shadowCache_;  // rebuilt when anything it depends on changes
};

}  // namespace promo
