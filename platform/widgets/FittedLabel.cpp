// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/FittedLabel.h"

#include <QFontInfo>
#include <QPainter>

#include "platform/TextFit.h"

namespace platform {

FittedLabel::FittedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
}

int FittedLabel::drawnPixelSize() const {
  const QSize frame = contentsRect().size();
  const QString fontKey = font().key();
  if (fit_.pixels > 0 && fit_.text == text() && fit_.font == fontKey && fit_.size == frame &&
      fit_.alignment == alignment())
    return fit_.pixels;
  // A font given in points has no pixel size of its own: take what it resolves to.
  const int asked = font().pixelSize() > 0 ? font().pixelSize() : QFontInfo(font()).pixelSize();
  fit_ = {text(), fontKey, frame, alignment(), fittedPixelSize(font(), text(), frame, asked, alignment())};
  return fit_.pixels;
}

void FittedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QFont f = font();
  f.setPixelSize(drawnPixelSize());
  painter.setFont(f);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
  painter.drawText(QRectF(contentsRect()).translated(textInset(f, text(), horizontal), 0),
                   static_cast<int>(horizontal | Qt::AlignVCenter | Qt::TextSingleLine), text());
}

}  // namespace platform
