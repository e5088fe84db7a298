// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/FloatSlider.h"

#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

namespace platform {

FloatSlider::FloatSlider(QWidget* parent) : QWidget(parent), slider_(new QSlider(Qt::Horizontal, this)) {
  slider_->setRange(0, kSteps);
  slider_->setFocusPolicy(Qt::NoFocus);
  slider_->setGeometry(rect());
  connect(slider_, &QSlider::valueChanged, this, [this](int position) {
    value_ = static_cast<float>(position) / static_cast<float>(kSteps);
    emit valueChanged(value_);
  });
}

void FloatSlider::setValue(float value) {
  // NaN and out-of-range values are pinned to the range.
  if (std::isnan(value)) value = 0.0f;
  value_ = std::clamp(value, 0.0f, 1.0f);
  const QSignalBlocker blocker(slider_);
  slider_->setValue(static_cast<int>(std::lround(value_ * kSteps)));
}

void FloatSlider::resizeEvent(QResizeEvent*) {
  slider_->setGeometry(rect());
}

}  // namespace platform
