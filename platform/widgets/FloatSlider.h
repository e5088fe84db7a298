// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A horizontal slider of a float value from 0 to 1. setValue() changes it without
// a signal; valueChanged() reports only the user's changes.
#include <QWidget>

class QSlider;

namespace platform {

class FloatSlider : public QWidget {
  Q_OBJECT
 public:
  explicit FloatSlider(QWidget* parent = nullptr);

  float value() const { return value_; }
  void setValue(float value);

  // The underlying slider (for styling and for tests that drag it).
  QSlider* slider() const { return slider_; }
  static constexpr int kSteps = 10000;

 signals:
  void valueChanged(float value);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QSlider* slider_;
  float value_ = 0.0f;
};

}  // namespace platform
