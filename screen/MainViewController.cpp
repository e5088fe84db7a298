#include "screen/MainViewController.h"

#include <QGraphicsOpacityEffect>
#include <QListWidget>
#include <QPainter>
#include <QScroller>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

#include "canvas/VorlaneView.h"
#include "platform/DeviceProfile.h"
#include "platform/NotificationCenter.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/CameraCapture.h"
#include "platform/widgets/PictureButton.h"
#include "platform/widgets/ShadowLabel.h"
#include "screen/FireElementCell.h"
#include "screen/StretchImageView.h"
#include "screen/StyleRenderer.h"

namespace screen {

namespace {

const QColor kTitleColour(89, 13, 0);
const QColor kShadowColour(144, 80, 23);
const char* const kMenuTitles[5] = {"Load", "Camera", "Save", "Share", "Help"};

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

QString dataPath(const QString& name) {
  return platform::resourceRoot() + QStringLiteral("/data/") + name;
}

QStringList stringList(const QVariant& value) {
  QStringList names;
  for (const QVariant& v : value.toList()) names << v.toString();
  return names;
}

}  // namespace

MainViewController::MainViewController(QWidget* parent)
    : QWidget(parent), renderer_(std::make_unique<StyleRenderer>()) {
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

  defaultsetting_ = &platform::UserDefaults::standardUserDefaults();
  currenttype_ = defaultsetting_->integerForKey(QStringLiteral("currenttype"));
  currentAtype_ = defaultsetting_->integerForKey(QStringLiteral("currentAtype"));
  // First start: the sketch list opens on the first style, not on the photo.
  if (currenttype_ == 0 && !defaultsetting_->boolForKey(QStringLiteral("inited"))) {
    defaultsetting_->setBoolForKey(true, QStringLiteral("inited"));
    currenttype_ = 1;
    defaultsetting_->setIntegerForKey(1, QStringLiteral("currenttype"));
  }

  lastwidth_ = 0;
  lastheight_ = 0;
  grayimgdata_ = sketch::GrayPlane();
  imgchanged_ = true;
  more_kick_ = 0;
  rate_kick_ = 0;

  more_array_ =
      platform::readPropertyList(dataPath(platform::localizedString(QStringLiteral("more.plist")))).toList();
  appdata_ = platform::readPropertyList(dataPath(QStringLiteral("AppDataList.plist"))).toMap();
  sketchbrusharray_ = stringList(appdata_.value(QStringLiteral("sketchbrush")));
  sketchtypearray_ = stringList(appdata_.value(QStringLiteral("sketchtype")));
  renderer_->setTextureName(sketchbrusharray_.value(0));

  // A stored number that the lists (or the styles) do not offer would index past
  // the end of a list: keep it in range.
  currenttype_ = clampStyle(currenttype_);
  currentAtype_ = clampStyle(currentAtype_);

  buildViews();

  scrollListToRow(sketchtypetableview_, currenttype_);
  scrollListToRow(photoAtypetableview_, currentAtype_);

  moreTimer_ = new QTimer(this);
  moreTimer_->setSingleShot(true);
  connect(moreTimer_, &QTimer::timeout, this, &MainViewController::doshowmoredlg);
  showmoredlgafter(kMoreFirstDelayS);

  rateTimer_ = new QTimer(this);
  rateTimer_->setSingleShot(true);
  connect(rateTimer_, &QTimer::timeout, this, &MainViewController::showratedialog);
  if (!defaultsetting_->boolForKey(QStringLiteral("rated"))) rateTimer_->start(kRateDelayMs);

  helpTimer_ = new QTimer(this);
  helpTimer_->setSingleShot(true);
  connect(helpTimer_, &QTimer::timeout, this, &MainViewController::helpbtnclicked);
  if (!defaultsetting_->boolForKey(QStringLiteral("helphint"))) helpTimer_->start(kHelpDelayMs);

  platform::NotificationCenter& center = platform::NotificationCenter::defaultCenter();
  center.addObserver(this, QStringLiteral("kGotoMore"), [this](const QVariant& object) { gotomore(object); });
  center.addObserver(this, QStringLiteral("kKillMore"), [this](const QVariant&) { killmore(); });

  installShortcuts();
}

int MainViewController::clampStyle(int style) const {
  // Row index = style number: 0 the photo, 1..7 the styles.
  int last = 7;
  if (!sketchtypearray_.isEmpty()) last = std::min<int>(last, sketchtypearray_.size() - 1);
  return std::clamp(style, 0, last);
}

void MainViewController::buildViews() {
  const QRectF full(0, 0, profile_.screenWidth, profile_.screenHeight);

  background_ = new StretchImageView(platform::imageNamed(QStringLiteral("wood.jpg")), this);
  background_->setGeometry(full.toRect());

  workview_ = createCanvas(full, this);
  workview_->setHidden(true);
  workview_->setBrushMode(false);

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

void MainViewController::buildMenuBar() {
  toptoolview_ = new QWidget(this);
  toptoolview_->setGeometry(profile_.toptoolview.toRect());
  toptoolOpacity_ = new QGraphicsOpacityEffect(toptoolview_);
  toptoolOpacity_->setOpacity(0.85);
  toptoolview_->setGraphicsEffect(toptoolOpacity_);
  auto* picture = new StretchImageView(platform::imageNamed(QStringLiteral("MenuBar.png")), toptoolview_);
  picture->setGeometry(profile_.menuBarPicture.toRect());

  using Action = void (MainViewController::*)();
  const Action actions[5] = {&MainViewController::albumbtnclicked, &MainViewController::camerabtnclicked,
                             &MainViewController::savebtnclicked, &MainViewController::sharebtnclicked,
                             &MainViewController::helpbtnclicked};
  const QImage buttonPicture = platform::imageNamed(QStringLiteral("Menubtn.png"));
  for (int i = 0; i < 5; ++i) {
    const QRect frame = profile_.menuButtonFrame(i).toRect();
    auto* button = new platform::PictureButton(toptoolview_);
    button->setGeometry(frame);
    button->setImage(buttonPicture);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QAbstractButton::clicked, this, actions[i]);
    menuButtons_[i] = button;

    auto* title = new platform::ShadowLabel(toptoolview_);
    title->setGeometry(frame);
    styleTitle(title, QString::fromLatin1(kMenuTitles[i]), profile_.menuTitleFont);
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
