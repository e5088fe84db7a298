#pragma once
// The clipping frame (workview): paints the plate's picture layers aspect-fit
// inside the plate's float frame, and the brush-size indicator over them.
#include <QRectF>
#include <QSize>
#include <QWidget>

class VorlaneView;

namespace canvas {

class PlateView : public QWidget {
  Q_OBJECT
 public:
  PlateView(VorlaneView* canvas, QWidget* parent);

  // Where a picture of size picture sits, aspect-fit and centred, in plate.
  static QRectF fitRect(const QRectF& plate, QSizeF picture);
  // The widget pixels showing the picture rectangle pictureRect (padded).
  QRect widgetRectForPicture(const QRect& pictureRect) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  VorlaneView* canvas_;
};

}  // namespace canvas
