// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture button of the more-apps dialog: shows its picture over the whole
// button and darkens it while pressed. Fires `clicked` on release inside.
#include <QAbstractButton>
#include <QImage>

namespace promo {

class MoreButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit MoreButton(QWidget* parent = nullptr);

  const QImage& image() const { return image_; }
  void setImage(const QImage& image);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace promo
