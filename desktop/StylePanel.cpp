// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/StylePanel.h"

#include "desktop/MenuText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace desktop {

namespace {

// Around a cell's highlight, and between the highlight and what it holds.
constexpr int kCellMargin = 2;
constexpr int kCellPadding = 3;
// Between the thumbnail and its name.
constexpr int kNameGap = 2;
constexpr qreal kCorner = 4.0;
constexpr qreal kFocusWidth = 2.0;

QPixmap pixmapFor(const QImage& thumbnail, qreal ratio) {
  QPixmap pixmap = QPixmap::fromImage(thumbnail);
  // A thumbnail made for this screen's pixels is shown pixel for pixel; the
  // bundled ones are simply drawn smaller.
  pixmap.setDevicePixelRatio(std::max<qreal>(
      ratio, qreal(std::max(thumbnail.width(), thumbnail.height())) / StylePanel::kThumbnailBox.width()));
  return pixmap;
}

// A cell: the choice in force on the highlight, the thumbnail centred in its
// box, the name under it, and a ring round the cell that has the keyboard
// focus while its grid has it.
class StyleCell : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return static_cast<const StyleList*>(parent())->cellSize();
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QPalette& colours = option.palette;
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused =
        (option.state & QStyle::State_HasFocus) && option.widget && option.widget->hasFocus();
    const QRectF cell = QRectF(option.rect).adjusted(kCellMargin, kCellMargin, -kCellMargin, -kCellMargin);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    if (selected) {
      QPainterPath highlight;
      highlight.addRoundedRect(cell, kCorner, kCorner);
      painter->fillPath(highlight, colours.brush(QPalette::Highlight));
    }
    const QSize box = StylePanel::kThumbnailBox;
    const QRect boxRect(option.rect.x() + (option.rect.width() - box.width()) / 2,
                        option.rect.y() + kCellMargin + kCellPadding, box.width(), box.height());
    const QPixmap pixmap = index.data(Qt::DecorationRole).value<QPixmap>();
    if (!pixmap.isNull()) {
      QSizeF shown = pixmap.deviceIndependentSize();
      if (shown.width() > box.width() || shown.height() > box.height())
        shown = shown.scaled(QSizeF(box), Qt::KeepAspectRatio);
      QRectF target(QPointF(), shown);
      target.moveCenter(QRectF(boxRect).center());
      painter->drawPixmap(target, pixmap, QRectF(pixmap.rect()));
    }
    const QRect nameRect(int(cell.x()) + kCellPadding, boxRect.bottom() + 1 + kNameGap,
                         int(cell.width()) - 2 * kCellPadding, option.fontMetrics.height());
    painter->setFont(option.font);
    painter->setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(nameRect, Qt::AlignHCenter | Qt::AlignTop,
                      option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                                    nameRect.width()));
    if (focused) {
      // On the highlight the ring is drawn in its text colour, inside it.
      const qreal inset = selected ? kFocusWidth * 1.5 : kFocusWidth / 2;
      painter->setPen(
          QPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Highlight), kFocusWidth));
      painter->setBrush(Qt::NoBrush);
      painter->drawRoundedRect(cell.adjusted(inset, inset, -inset, -inset), kCorner, kCorner);
    }
    painter->restore();
  }
};

}  // namespace

StyleList::StyleList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setViewMode(QListView::IconMode);
  setMovement(QListView::Static);
  setResizeMode(QListView::Adjust);
  setFlow(QListView::LeftToRight);
  setWrapping(true);
  setUniformItemSizes(true);
  setSpacing(0);
  setDragEnabled(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setItemDelegate(new StyleCell(this));
  // The choice stays as plain to see when the focus is elsewhere.
  QPalette colours = palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  setPalette(colours);
  updateGrid();
  connect(model(), &QAbstractItemModel::rowsInserted, this, &StyleList::updateGrid);
  connect(this, &QListWidget::clicked, this, [this](const QModelIndex& index) { emit chosen(index.row()); });
}

QSize StyleList::cellSize() const {
  // As wide as the longest name needs, never narrower than the thumbnail.
  int name = 0;
  for (int row = 0; row < count(); ++row)
    name = std::max(name, fontMetrics().horizontalAdvance(item(row)->text()));
  const int inner = std::max(StylePanel::kThumbnailBox.width(), name);
  const int around = 2 * (kCellMargin + kCellPadding);
  return {inner + around, StylePanel::kThumbnailBox.height() + kNameGap + fontMetrics().height() + around};
}

void StyleList::updateGrid() {
  setGridSize(cellSize());
  updateGeometry();
}

QSize StyleList::sizeHint() const {
  const QSize cell = cellSize();
  const int rows = std::max(1, (count() + kColumns - 1) / kColumns);
  // The grid keeps room for the scroll bar whether or not it shows, and
  // starts a new row when a cell would reach its last pixel.
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
  return {kColumns * cell.width() + 2 + scrollBar + 2 * frameWidth(),
          rows * cell.height() + 2 * frameWidth()};
}

QSize StyleList::minimumSizeHint() const {
  return {sizeHint().width(), cellSize().height() + 2 * frameWidth()};
}

void StyleList::changeEvent(QEvent* event) {
  QListWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateGrid();
}

void StyleList::showChoice(int row) {
  const QSignalBlocker quiet(this);
  setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

QItemSelectionModel::SelectionFlags StyleList::selectionCommand(const QModelIndex&, const QEvent*) const {
  // The selection is the choice in force, shown only through showChoice(): a
  // click, Enter or Space asks for a choice, keys move the focus, and what the
  // document then decides comes back as its selection.
  return QItemSelectionModel::NoUpdate;
}

void StyleList::keyPressEvent(QKeyEvent* event) {
  const bool choose = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                      (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier);
  if (choose && currentRow() >= 0) {
    emit chosen(currentRow());
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

StylePanel::StylePanel(QWidget* parent) : QDockWidget(tr("Styles"), parent) {
  setObjectName(QStringLiteral("styles"));
  setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 2, 6, 6);
  auto makeList = [panel, layout](const QString& title, const QString& name, const QString& tip) {
    auto* label = new QLabel(title, panel);
    label->setObjectName(name + QStringLiteral("Label"));
    layout->addWidget(label);
    auto* list = new StyleList(panel);
    list->setObjectName(name);
    list->setToolTip(tip);
    list->setAccessibleName(plainMenuText(label->text()));
    label->setBuddy(list);
    layout->addWidget(list);
    return list;
  };
  sketch_ = makeList(tr("&Sketch style"), QStringLiteral("sketchList"),
                     tr("How the sketch looks: the picture the painting starts from"));
  layout->addSpacing(4);
  colour_ =
      makeList(tr("&Colour layer"), QStringLiteral("colourList"),
               tr("What Paint Colour brings back: the photo itself, or the photo in a style"));
  // Room to spare goes under the grids, not between their cells.
  layout->addStretch(1);
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
      auto* item = new QListWidgetItem(names.at(row), list);
      item->setData(Qt::DecorationRole, pixmapFor(thumbnails_.at(row), devicePixelRatioF()));
    }
  }
}

void StylePanel::setThumbnail(int row, const QImage& thumbnail) {
  if (row < 0 || row >= thumbnails_.size()) return;
  thumbnails_[row] = thumbnail;
  const QPixmap pixmap = pixmapFor(thumbnail, devicePixelRatioF());
  for (StyleList* list : {sketch_, colour_}) list->item(row)->setData(Qt::DecorationRole, pixmap);
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
