// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions an export asks before it starts: the picture's size (and a
// JPEG's quality), or the time-lapse's length and size; each shows what will
// be written.
#include <QDialog>
#include <QSize>

class QLabel;
class QRadioButton;
class QSpinBox;

namespace desktop {

class ExportPictureDialog : public QDialog {
  Q_OBJECT
 public:
  // working: the working size; photo: the photo's own upright size; jpeg:
  // whether the quality is asked; size and quality start as given (size as
  // longer(): -1 working, 0 the photo's own, N a longer side).
  ExportPictureDialog(QWidget* parent, QSize working, QSize photo, bool jpeg, int size, int quality);
  // -1 for the working size, 0 for the photo's own, else the longer side.
  int longer() const;
  int quality() const;
  // The pixel size the choice gives.
  QSize resultSize() const;

 private:
  void showResult();

  QSize working_, photo_;
  bool jpeg_;
  QRadioButton* workingSize_ = nullptr;
  QRadioButton* fullSize_ = nullptr;
  QRadioButton* longerSize_ = nullptr;
  QSpinBox* longerSide_ = nullptr;
  QSpinBox* quality_ = nullptr;
  QLabel* result_ = nullptr;
};

class TimelapseDialog : public QDialog {
  Q_OBJECT
 public:
  // full: the photo's own upright size, the largest film offered.
  TimelapseDialog(QWidget* parent, QSize working, QSize full, bool mp4, int seconds, int longer);
  int seconds() const;
  int longer() const;
  QSize resultSize() const;

 private:
  void showResult();

  QSize working_, full_;
  bool mp4_;
  QSpinBox* seconds_ = nullptr;
  QSpinBox* longer_ = nullptr;
  QLabel* result_ = nullptr;
};

}  // namespace desktop
