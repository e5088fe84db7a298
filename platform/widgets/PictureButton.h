// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A button that shows a picture: the normal one, or the selected one while its
// own "selected" flag is set (a flag of its own, not Qt's check state, so that
// callers can ask whether it was selected before the click). Clicks fire on a
// release inside the button; a disabled button is drawn dimmed.
#include <QAbstractButton>
#include <QImage>

namespace platform {

class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit PictureButton(QWidget* parent = nullptr);

  void setImage(const QImage& image);
  void setSelectedImage(const QImage& image);
  const QImage& image() const { return image_; }
  const QImage& selectedImage() const { return selectedImage_; }

  bool isSelected() const { return selected_; }
  void setSelected(bool selected);

  // The picture that the current state shows (the normal one when the selected
  // state has none).
  const QImage& currentImage() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
  QImage selectedImage_;
  bool selected_ = false;
};

}  // namespace platform
