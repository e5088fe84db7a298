// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's style chooser: a dock with the sketch styles (photo B) and the
// colour styles (photo A), each row a named thumbnail of the photo in that
// style. A click or Enter chooses a row; the selection shows only the choice in
// force, so the arrow keys move the focus without choosing.
#include <QDockWidget>
#include <QImage>
#include <QListWidget>

namespace desktop {

class StyleList : public QListWidget {
  Q_OBJECT
 public:
  explicit StyleList(QWidget* parent = nullptr);
  // Selects row as the choice in force (and gives it the focus rectangle).
  void showChoice(int row);

 signals:
  void chosen(int row);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void keyPressEvent(QKeyEvent* event) override;
};

class StylePanel : public QDockWidget {
  Q_OBJECT
 public:
  // The box a thumbnail is fitted into, in logical pixels.
  static constexpr QSize kThumbnailBox{88, 88};

  explicit StylePanel(QWidget* parent = nullptr);

  // One row per name in both lists, each with its bundled thumbnail (row =
  // style number), shown until showBundled() is replaced by a photo's.
  void setRows(const QStringList& names, const QList<QImage>& bundled);
  void showBundled();
  // Row's thumbnail in both lists (a style looks the same as photo A or B).
  void setThumbnail(int row, const QImage& thumbnail);
  // The thumbnail shown in a row (for checks).
  QImage thumbnail(int row) const;
  void showChoice(int sketchRow, int colourRow);

  StyleList* sketchList() const { return sketch_; }
  StyleList* colourList() const { return colour_; }

 signals:
  void sketchChosen(int row);
  void colourChosen(int row);

 private:
  StyleList* sketch_;
  StyleList* colour_;
  QList<QImage> bundled_;
  QList<QImage> thumbnails_;
};

}  // namespace desktop
