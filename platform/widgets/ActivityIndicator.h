// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small busy spinner: white ticks turning on a grey backdrop, the whole view
// drawn at an alpha of 0.75. Starting shows it; stopping only stops the turning
// (hiding it is the caller's call).
#include <QColor>
#include <QTimer>
#include <QWidget>

namespace platform {

class ActivityIndicator : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kSide = 20;  // the small indicator's size in points
  static constexpr int kTicks = 12;

  explicit ActivityIndicator(QWidget* parent = nullptr);

  void startAnimating();
  void stopAnimating();
  bool isAnimating() const { return timer_.isActive(); }

  // The tick that is brightest now (0..kTicks-1); advances while animating.
  int phase() const { return phase_; }

  QColor backdropColor() const { return backdrop_; }
  void setBackdropColor(const QColor& colour);
  qreal viewAlpha() const { return alpha_; }
  void setViewAlpha(qreal alpha);

  QSize sizeHint() const override { return {kSide, kSide}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void advance();

  QTimer timer_;
  int phase_ = 0;
  QColor backdrop_{128, 128, 128};
  qreal alpha_ = 0.75;
};

}  // namespace platform
