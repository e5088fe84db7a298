// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A one-line label painted by hand so that it can carry both a view alpha and a
// blurred drop shadow of its glyphs (a widget takes only one graphics effect).
// The text keeps its font pixel size while it fits the label and otherwise is
// drawn at the largest size that fits, so it is never cut off. Mouse events pass
// through it to the widget underneath.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

namespace platform {

class ShadowLabel : public QWidget {
  Q_OBJECT
 public:
  explicit ShadowLabel(QWidget* parent = nullptr);
  ShadowLabel(const QString& text, QWidget* parent);

  QString text() const { return text_; }
  void setText(const QString& text);
  // The size asked for, and the size the text is drawn at in the label's current
  // size and font.
  int fontPixelSize() const { return fontPixelSize_; }
  void setFontPixelSize(int pixels);
  int drawnPixelSize() const;
  QColor textColor() const { return textColor_; }
  void setTextColor(const QColor& colour);
  // Horizontal part: left, centre or right; the text is always centred vertically.
  Qt::Alignment alignment() const { return alignment_; }
  void setAlignment(Qt::Alignment alignment);
  // Opacity of the whole label, shadow included (0..1).
  qreal viewAlpha() const { return viewAlpha_; }
  void setViewAlpha(qreal alpha);

  // The shadow: the glyphs in shadowColor (its alpha is the shadow opacity),
  // moved by shadowOffset and blurred by shadowRadius points. A transparent
  // colour (the default) draws no shadow.
  QColor shadowColor() const { return shadowColor_; }
  void setShadowColor(const QColor& colour);
  QPointF shadowOffset() const { return shadowOffset_; }
  void setShadowOffset(const QPointF& offset);
  qreal shadowRadius() const { return shadowRadius_; }
  void setShadowRadius(qreal radius);

  // The label's picture at its current size (device pixel ratio dpr), without
  // the view alpha.
  QImage renderContent(qreal dpr = 1.0) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void changed();

  QString text_;
  int fontPixelSize_ = 17;
  QColor textColor_{Qt::black};
  Qt::Alignment alignment_ = Qt::AlignLeft;
  qreal viewAlpha_ = 1.0;
  QColor shadowColor_{Qt::transparent};
  QPointF shadowOffset_{0, -3};
  qreal shadowRadius_ = 3.0;
  mutable QImage cache_;
};

}  // namespace platform
