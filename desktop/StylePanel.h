// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's style chooser: a dock with two grids of named thumbnails of the
// photo in every style, one for the sketch the painting starts from and one for
// the colour layer that Paint Colour brings back. A click, Enter or Space
// chooses a cell; the selection shows only the choice in force, so the arrow
// keys move the focus ring without choosing. Each grid shows all its cells in
// three columns without scrolling where the window's height allows.
#include <QDockWidget>
#include <QImage>
#include <QListWidget>

namespace desktop {

class StyleList : public QListWidget {
  Q_OBJECT
 public:
  static constexpr int kColumns = 3;

  explicit StyleList(QWidget* parent = nullptr);
  // Selects row as the choice in force (and moves the focus ring to it).
  void showChoice(int row);
  // One cell of the grid: the thumbnail box, the name under it, a margin.
  QSize cellSize() const;
  // Wide enough for kColumns cells, tall enough for all rows in them.
  QSize sizeHint() const override;
  // As wide, and one row tall: a short window scrolls the grid.
  QSize minimumSizeHint() const override;

 signals:
  void chosen(int row);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void updateGrid();
};

class StylePanel : public QDockWidget {
  Q_OBJECT
 public:
  // The box a thumbnail is fitted into, in logical pixels.
  static constexpr QSize kThumbnailBox{80, 80};

  explicit StylePanel(QWidget* parent = nullptr);

  // One cell per name in both grids, each with its bundled thumbnail (row =
  // style number), shown until showBundled() is replaced by a photo's.
  void setRows(const QStringList& names, const QList<QImage>& bundled);
  void showBundled();
  // Row's thumbnail in both grids (a style looks the same in either).
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
