// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line QLabel for a fixed frame: the text keeps the font's pixel size while
// it fits the label and otherwise is drawn at the largest size that fits, so it
// is never cut off. Plain text, centred vertically; the QLabel keeps the text,
// alignment, font and palette, however they are set.
#include <QLabel>

namespace platform {

class FittedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit FittedLabel(QWidget* parent = nullptr);

  // The pixel size the text is drawn at in the label's current size.
  int drawnPixelSize() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The last fit and what it was made for: painting asks again on every update.
  struct Fit {
    QString text;
    QString font;
    QSize size;
    Qt::Alignment alignment;
    int pixels = 0;
  };
  mutable Fit fit_;
};

}  // namespace platform
