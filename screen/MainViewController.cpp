// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen/MainViewController.h"

#include <QGraphicsOpacityEffect>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QScroller>
#include <QStyledItemDelegate>

#include "canvas/VorlaneView.h"
#include "document/PromptSchedule.h"
#include "document/SessionFolder.h"
#include "document/SketchDocument.h"
#include "platform/DeviceProfile.h"
#include "platform/Resources.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/PictureButton.h"
#include "platform/widgets/ShadowLabel.h"
#include "screen/FireElementCell.h"
#include "screen/StretchImageView.h"

namespace screen {

namespace {

const QColor kTitleColour(89, 13, 0);
const QColor kShadowColour(144, 80, 23);
const char* const kMenuTitles[5] = {
    QT_TRANSLATE_NOOP("screen::MainViewController", "Load"), QT_TRANSLATE_NOOP("screen::MainViewController", "Camera"),
    QT_TRANSLATE_NOOP("screen::MainViewController", "Save"), QT_TRANSLATE_NOOP("screen::MainViewController", "Share"),
    QT_TRANSLATE_NOOP("screen::MainViewController", "Help")};

// Rows separated by a thin line in the title colour, as the lists are drawn.
class SeparatorDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(QPen(kTitleColour, 1));
    const QRect r = option.rect;
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->restore();
  }
};

void styleTitle(platform::ShadowLabel* label, const QString& text, int fontSize) {
  label->setText(text);
  label->setFontPixelSize(fontSize);
  label->setTextColor(kTitleColour);
  label->setAlignment(Qt::AlignHCenter);
  label->setShadowColor(kShadowColour);
  label->setShadowOffset(QPointF(1, 1));
  label->setShadowRadius(1);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

}  // namespace

MainViewController::MainViewController(QWidget* parent)
    : QWidget(parent),
      document_(new SketchDocument(this)),
      schedule_(new PromptSchedule(PromptSchedule::Delivery::AtOnce, this)) {
  setAcceptDrops(true);
}

MainViewController::~MainViewController() = default;

void MainViewController::loadViewIfNeeded() {
  if (viewLoaded_) return;
  viewLoaded_ = true;
  viewDidLoad();
}

void MainViewController::viewDidLoad() {
  // The phone tells a 4-inch screen from a 3.5-inch one by its view's height.
  if (readsScreenHeightFromView()) platform::setScreenheight(height() == 568 ? 568.0f : 480.0f);
  profile_ = makeProfile();
  document_->load();
  buildViews();
  bindDocument();
  scrollListToRow(sketchtypetableview_, document_->currenttype());
  scrollListToRow(photoAtypetableview_, document_->currentAtype());
  schedule_->start();
  installShortcuts();
}

void MainViewController::buildViews() {
  const QRectF full(0, 0, profile_.screenWidth, profile_.screenHeight);

  auto* background = new StretchImageView(platform::imageNamed(QStringLiteral("wood.jpg")), this);
  background->setGeometry(full.toRect());

  workview_ = createCanvas(full, this);
  workview_->setHidden(true);
  document_->setCanvas(workview_->model(), profile_.canvasAspect);
  // Kept on disk as the desktop keeps its paintings; this launch offers none back.
  document_->setKeepsSessions(document::SessionFolder::standardFolder());

  processindicator_ = new platform::ActivityIndicator(this);
  const QSize side = processindicator_->sizeHint();
  const QPointF centre = QRectF(workview_->geometry()).center();
  processindicator_->setGeometry(int(centre.x() - side.width() / 2.0), int(centre.y() - side.height() / 2.0),
                                 side.width(), side.height());
  processindicator_->setBackdropColor(QColor(128, 128, 128));
  processindicator_->setViewAlpha(0.75);
  processindicator_->setHidden(true);

  bkbtn_ = new platform::PictureButton(this);
  bkbtn_->setGeometry(full.toRect());
  bkbtn_->setFocusPolicy(Qt::NoFocus);
  bkbtn_->setHidden(true);
  connect(bkbtn_, &QAbstractButton::clicked, this, &MainViewController::bkbtnclicked);

  buildMenuBar();

  sketchtypebaseview_ = buildPanel(kSketchTypeTag, profile_.sketchPanelCollapsed, QStringLiteral("B"),
                                   &sketchtypetableview_, &sketchtypetitle_, &showsketchtypeviewbtn_);
  sketchPanelFrame_ = profile_.sketchPanelCollapsed;
  connect(showsketchtypeviewbtn_, &QAbstractButton::clicked, this,
          &MainViewController::showsketchtypeviewbtnclicked);
  photoAtypebaseview_ = buildPanel(kPhotoATypeTag, profile_.photoAPanelCollapsed, QStringLiteral("A"),
                                   &photoAtypetableview_, &photoAtypetitle_, &showphotoAtypeviewbtn_);
  photoAPanelFrame_ = profile_.photoAPanelCollapsed;
  connect(showphotoAtypeviewbtn_, &QAbstractButton::clicked, this,
          &MainViewController::showphotoAtypeviewbtnclicked);
}

void MainViewController::bindDocument() {
  connect(document_, &SketchDocument::alertRequested, this, &MainViewController::showAlert);
  connect(document_, &SketchDocument::busyChanged, this, &MainViewController::showBusy);
  connect(document_, &SketchDocument::photoPicked, this, [this] {
    if (albumDialog_) albumDialog_->close();
    if (!shownBeforePick_)
      shownBeforePick_ = ShownBeforePick{workview_->isHidden(), !sketchtypebaseview_->isHidden()};
    // Busy until the render pass has run.
    if (profile_.hideCanvasWhileBusy) workview_->setHidden(true);
    sketchtypebaseview_->setHidden(false);
    photoAtypebaseview_->setHidden(false);
  });
  connect(document_, &SketchDocument::renderPassFinished, this, [this](bool ok) {
    if (ok) {
      workview_->setHidden(false);
    } else {
      if (shownBeforePick_) {
        // The new photo cannot be shown: the screen goes back to the one before it.
        workview_->setHidden(shownBeforePick_->canvasHidden);
        sketchtypebaseview_->setVisible(shownBeforePick_->panelsShown);
        photoAtypebaseview_->setVisible(shownBeforePick_->panelsShown);
      }
      // The lists show the selection that went back to what the canvas shows.
      scrollListToRow(sketchtypetableview_, document_->currenttype());
      scrollListToRow(photoAtypetableview_, document_->currentAtype());
    }
    shownBeforePick_.reset();
  });
  // The schedule hears what keeps the user busy, but here every prompt comes
  // the moment it falls due.
  connect(workview_->model(), &canvas::CanvasModel::pointerHeldChanged, schedule_, &PromptSchedule::setHeld);
  connect(schedule_, &PromptSchedule::helpDue, this, &MainViewController::helpbtnclicked);
  connect(schedule_, &PromptSchedule::rateDue, this, &MainViewController::showratedialog);
  connect(schedule_, &PromptSchedule::moreDue, this, &MainViewController::doshowmoredlg);
  connect(schedule_, &PromptSchedule::moreDismissed, this, &MainViewController::closeMoreDialog);
}

void MainViewController::showBusy(bool busy) {
  processindicator_->setHidden(!busy);
  if (busy)
    processindicator_->startAnimating();
  else
    processindicator_->stopAnimating();
}

void MainViewController::showAlert(const SourceAlertTexts& texts) {
  openAlert(new platform::AlertView(texts.title, texts.message, this, texts.button));
}

void MainViewController::openAlert(platform::AlertView* alert) {
  alert->show(this);
  schedule_->holdWhileOpen(alert->messageBox());
}

void MainViewController::buildMenuBar() {
  auto* toptoolview = new QWidget(this);
  toptoolview->setGeometry(profile_.toptoolview.toRect());
  auto* opacity = new QGraphicsOpacityEffect(toptoolview);
  opacity->setOpacity(0.85);
  toptoolview->setGraphicsEffect(opacity);
  auto* picture = new StretchImageView(platform::imageNamed(QStringLiteral("MenuBar.png")), toptoolview);
  picture->setGeometry(profile_.menuBarPicture.toRect());

  using Action = void (MainViewController::*)();
  const Action actions[5] = {&MainViewController::albumbtnclicked, &MainViewController::camerabtnclicked,
                             &MainViewController::savebtnclicked, &MainViewController::sharebtnclicked,
                             &MainViewController::helpbtnclicked};
  const QImage buttonPicture = platform::imageNamed(QStringLiteral("Menubtn.png"));
  for (int i = 0; i < 5; ++i) {
    const QRect frame = profile_.menuButtonFrame(i).toRect();
    auto* button = new platform::PictureButton(toptoolview);
    button->setGeometry(frame);
    button->setImage(buttonPicture);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QAbstractButton::clicked, this, actions[i]);
    menuButtons_[i] = button;

    auto* title = new platform::ShadowLabel(toptoolview);
    title->setGeometry(frame);
    styleTitle(title, tr(kMenuTitles[i]), profile_.menuTitleFont);
    menuTitles_[i] = title;
  }
}

QWidget* MainViewController::buildPanel(int tag, const QRectF& collapsed, const QString& letter,
                                        QListWidget** list, platform::ShadowLabel** title,
                                        platform::PictureButton** button) {
  auto* panel = new QWidget(this);
  panel->setGeometry(collapsed.toRect());
  auto* picture = new StretchImageView(platform::imageNamed(QStringLiteral("listbk.jpg")), panel);
  picture->setGeometry(profile_.panelPicture.toRect());

  auto* table = new QListWidget(panel);
  table->setGeometry(profile_.listCollapsed.toRect());
  table->setProperty("tag", tag);
  table->setFrameShape(QFrame::NoFrame);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setUniformItemSizes(true);
  table->setFocusPolicy(Qt::NoFocus);
  table->setItemDelegate(new SeparatorDelegate(table));
  QPalette palette = table->palette();
  palette.setColor(QPalette::Base, Qt::transparent);
  table->setPalette(palette);
  table->viewport()->setAutoFillBackground(false);
  QScroller::grabGesture(table->viewport(), QScroller::TouchGesture);
  fillList(table, tag);
  connect(table, &QListWidget::itemClicked, this, [this, table](QListWidgetItem* item) {
    didSelectRow(table->property("tag").toInt(), table->row(item));
  });

  auto* label = new platform::ShadowLabel(panel);
  label->setGeometry(profile_.listCollapsed.toRect());
  styleTitle(label, letter, profile_.letterFont);
  label->setViewAlpha(0.3);

  auto* expand = new platform::PictureButton(panel);
  expand->setGeometry(profile_.listCollapsed.toRect());
  expand->setFocusPolicy(Qt::NoFocus);

  panel->setHidden(true);
  *list = table;
  *title = label;
  *button = expand;
  return panel;
}

}  // namespace screen
