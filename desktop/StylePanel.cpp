// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/StylePanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace desktop {

namespace {

constexpr int kRowPadding = 8;

QIcon iconFor(const QImage& thumbnail, qreal ratio) {
  QPixmap pixmap = QPixmap::fromImage(thumbnail);
  // A thumbnail made for this screen's pixels is shown pixel for pixel; the
  // bundled ones are simply drawn smaller.
  pixmap.setDevicePixelRatio(std::max<qreal>(
      ratio, qreal(std::max(thumbnail.width(), thumbnail.height())) / StylePanel::kThumbnailBox.width()));
  QIcon icon;
  // The selection shows in the row's background; the picture stays as it is.
  for (QIcon::Mode mode : {QIcon::Normal, QIcon::Selected, QIcon::Active}) icon.addPixmap(pixmap, mode);
  return icon;
}

}  // namespace

StyleList::StyleList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(StylePanel::kThumbnailBox);
  setUniformItemSizes(true);
  // The choice stays as plain to see when the focus is elsewhere.
  QPalette colours = palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  setPalette(colours);
  connect(this, &QListWidget::clicked, this, [this](const QModelIndex& index) { emit chosen(index.row()); });
}

void StyleList::showChoice(int row) {
  const QSignalBlocker quiet(this);
  setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

QItemSelectionModel::SelectionFlags StyleList::selectionCommand(const QModelIndex&, const QEvent*) const {
  // The selection is the choice in force, shown only through showChoice(): a
  // click or Enter asks for a choice, keys move the focus, and what the
  // document then decides comes back as its selection.
  return QItemSelectionModel::NoUpdate;
}

void StyleList::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
    emit chosen(currentRow());
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

StylePanel::StylePanel(QWidget* parent) : QDockWidget(QStringLiteral("Styles"), parent) {
  setObjectName(QStringLiteral("styles"));
  setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  auto makeList = [panel, layout](const QString& title, const QString& name) {
    auto* label = new QLabel(title, panel);
    layout->addWidget(label);
    auto* list = new StyleList(panel);
    list->setObjectName(name);
    label->setBuddy(list);
    layout->addWidget(list, 1);
    return list;
  };
  sketch_ = makeList(QStringLiteral("&Sketch (photo B)"), QStringLiteral("sketchList"));
  colour_ = makeList(QStringLiteral("&Colour (photo A)"), QStringLiteral("colourList"));
  connect(sketch_, &StyleList::chosen, this, &StylePanel::sketchChosen);
  connect(colour_, &StyleList::chosen, this, &StylePanel::colourChosen);
  setWidget(panel);
}

void StylePanel::setRows(const QStringList& names, const QList<QImage>& bundled) {
  bundled_ = bundled;
  bundled_.resize(names.size());
  thumbnails_ = bundled_;
  for (StyleList* list : {sketch_, colour_}) {
    list->clear();
    for (int row = 0; row < names.size(); ++row) {
      auto* item =
          new QListWidgetItem(iconFor(thumbnails_.at(row), devicePixelRatioF()), names.at(row), list);
      item->setSizeHint(QSize(kThumbnailBox.width() * 2, kThumbnailBox.height() + kRowPadding));
    }
  }
}

void StylePanel::setThumbnail(int row, const QImage& thumbnail) {
  if (row < 0 || row >= thumbnails_.size()) return;
  thumbnails_[row] = thumbnail;
  const QIcon icon = iconFor(thumbnail, devicePixelRatioF());
  for (StyleList* list : {sketch_, colour_}) list->item(row)->setIcon(icon);
}

void StylePanel::showBundled() {
  for (int row = 0; row < bundled_.size(); ++row) setThumbnail(row, bundled_.at(row));
}

QImage StylePanel::thumbnail(int row) const {
  return thumbnails_.value(row);
}

void StylePanel::showChoice(int sketchRow, int colourRow) {
  sketch_->showChoice(sketchRow);
  colour_->showChoice(colourRow);
}

}  // namespace desktop
