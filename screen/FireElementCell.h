// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A row of the style lists: one thumbnail picture, nothing else. The phone and
// tablet cells differ only in their frames.
#include <QRectF>
#include <QString>
#include <QWidget>

#include "platform/widgets/ImageView.h"

namespace screen {

struct CellProfile {
  QString reuseIdentifier;
  float rowHeight = 65;
  QRectF cellFrame;       // at creation
  QRectF thumbnailFrame;  // inside the cell
};

class FireElementCell : public QWidget {
  Q_OBJECT
 public:
  FireElementCell(const CellProfile& profile, QWidget* parent = nullptr);

  platform::ImageView* fireimgview() const { return fireimgview_; }
  const QString& reuseIdentifier() const { return profile_.reuseIdentifier; }
  const CellProfile& profile() const { return profile_; }

 private:
  CellProfile profile_;
  platform::ImageView* fireimgview_ = nullptr;
};

class FireElementCell_IPhone : public FireElementCell {
  Q_OBJECT
 public:
  explicit FireElementCell_IPhone(QWidget* parent = nullptr);
  static CellProfile cellProfile();
};

class FireElementCell_IPad : public FireElementCell {
  Q_OBJECT
 public:
  explicit FireElementCell_IPad(QWidget* parent = nullptr);
  static CellProfile cellProfile();
};

}  // namespace screen
