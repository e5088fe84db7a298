// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's view of the picture, driven with real keys, clicks, drags and wheel turns: Zoom In
// and Zoom Out by round steps, the zoom box, the scroll bars, the smallest window's toolbar, the
// fit that follows the window until the user zooms, and the busy indicator beside the hint.
#include <QComboBox>
#include <QListView>
#include <QScrollBar>
#include <QSettings>
#include <QToolBar>
#include <QWheelEvent>

#include "DesktopFixture.h"

namespace {

using namespace desktop_test;

class DesktopZoomTest : public DesktopTest {
 protected:
  QComboBox* box() { return find<QComboBox>("zoomBox"); }
  QScrollBar* bar(const char* name) { return find<QScrollBar>(name); }
  QWidget* area() { return w()->centralWidget(); }
  QRectF frame() { return model()->plate()->baseviewFrame(); }
  // Picture pixels per screen pixel, in percent.
  double percent() { return model()->plate()->zoomFactor() * plate()->devicePixelRatioF() * 100.0; }
  double fitPercent() {
    const QSizeF picture(painting()->orgimgview()->image().size());
    return canvas::fitRect(QRectF(plate()->rect()), picture).width() / picture.width() *
           plate()->devicePixelRatioF() * 100.0;
  }
  // Types text into the zoom box as a user does: a click, all of it replaced, Return.
  void typeZoom(const QString& text, Qt::Key end = Qt::Key_Return) {
    QTest::mouseClick(box()->lineEdit(), Qt::LeftButton);
    QTest::keyClick(box(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box(), Qt::Key_Backspace);
    QTest::keyClicks(box(), text);
    if (end != Qt::Key_unknown) QTest::keyClick(box(), end);
  }
  // A click on one of the box's presets in its list.
  void choosePreset(const QString& text) {
    box()->showPopup();
    QAbstractItemView* list = box()->view();
    const QModelIndex row = box()->model()->index(box()->findText(text), 0);
    ASSERT_TRUE(row.isValid()) << text.toStdString();
    list->scrollTo(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
    QCoreApplication::processEvents();
    // The list's window has gone: the window manager activates the main window again.
    QApplication::setActiveWindow(w());
  }
  // Resizes the window so that the canvas area has that size.
  void areaSize(QSize size) {
    w()->resize(w()->size() + size - area()->size());
    QCoreApplication::processEvents();
    ASSERT_EQ(area()->size(), size);
  }
  // Where a scroll bar's handle is drawn.
  static QRect knob(QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
  }
  void rightDrag(QPoint from, QPoint to) {
    QTest::mousePress(plate(), Qt::RightButton, {}, from);
    QTest::mouseMove(plate(), (from + to) / 2);
    QTest::mouseMove(plate(), to);
    QTest::mouseRelease(plate(), Qt::RightButton, {}, to);
  }
};

// A 640 x 480 photo in the 1280 x 800 window fits at about 140 %: the steps stop at 100 % below
// (its actual pixels are smaller than its fit) and 3200 % above. A 1280 x 960 photo fits at about
// 70 %: the fit is the lowest step then.
TEST_F(DesktopZoomTest, ZoomInAndOutGoToTheNextRoundStepWithinTheLimits) {
  startWith(640, 480);
  const double fit = fitPercent();
  ASSERT_GT(fit, 100.5);
  ASSERT_LT(fit, 149.5);
  struct Row {
    double from;  // 0: the fit
    int steps;    // Zoom Out when negative
    double to;
  };
  for (const Row& row : std::initializer_list<Row>{{0, 1, 150},
                                                   {149, 1, 150},
                                                   {149.4, 1, 150},
                                                   {149.6, 1, 200},  // shown as 150 %: on it
                                                   {150, 1, 200},
                                                   {151, 2, 300},
                                                   {800, 1, 1200},
                                                   {2400, 1, 3200},
                                                   {3200, 1, 3200},
                                                   {3000, -1, 2400},
                                                   {150, -1, 100},
                                                   {101, -1, 100},
                                                   {100, -1, 100},
                                                   {400, -3, 150},
                                                   {0, -1, 100}}) {
    if (row.from == 0)
      key(Qt::CTRL | Qt::Key_0);
    else
      typeZoom(QString::number(row.from));
    EXPECT_NEAR(percent(), row.from == 0 ? fit : row.from, 1e-3) << row.from;
    for (int i = 0; i < std::abs(row.steps); ++i)
      key(row.steps > 0 ? Qt::CTRL | Qt::Key_Plus : Qt::CTRL | Qt::Key_Minus);
    EXPECT_NEAR(percent(), row.to, 1e-3) << row.from << " " << row.steps;
    EXPECT_EQ(box()->currentText(), QStringLiteral("%1 %").arg(row.to)) << row.from << " " << row.steps;
  }
  // The menu's commands and Ctrl+= are the same steps.
  action("zoomOut")->trigger();
  action("zoomIn")->trigger();
  key(Qt::CTRL | Qt::Key_Equal);
  EXPECT_NEAR(percent(), 200, 1e-3);
  // The wheel stays free about the pointer, no further than the largest zoom.
  const QPointF at = QRectF(plate()->rect()).center() + QPointF(40, -30);
  const QPointF under = pictureAt(at);
  QWheelEvent turn(at, plate()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(plate(), &turn);
  EXPECT_NEAR(percent(), 220, 1e-3);
  EXPECT_NEAR(pictureAt(at).x(), under.x(), 1e-3);
  EXPECT_NEAR(pictureAt(at).y(), under.y(), 1e-3);
  EXPECT_EQ(box()->currentText(), QStringLiteral("220 %"));  // the box follows
  QWheelEvent far(at, plate()->mapToGlobal(at), {}, {0, 120 * 60}, Qt::NoButton, {}, Qt::NoScrollPhase,
                  false);
  QCoreApplication::sendEvent(plate(), &far);
  EXPECT_NEAR(percent(), 3200, 1e-3);

  ASSERT_TRUE(open(writePhoto(dir_, "large.png", 1280, 960)));
  const double large = fitPercent();
  ASSERT_GT(large, 67.5);
  ASSERT_LT(large, 99.5);
  EXPECT_EQ(box()->currentText(), QStringLiteral("%1 %").arg(qRound(large)));  // a new photo is fitted
  key(Qt::CTRL | Qt::Key_Minus);                                               // at the lowest already
  EXPECT_NEAR(percent(), large, 1e-3);
  key(Qt::CTRL | Qt::Key_Plus);
  EXPECT_NEAR(percent(), 100, 1e-3);
  key(Qt::CTRL | Qt::Key_Minus);  // 67 is below the fit
  EXPECT_NEAR(percent(), large, 1e-3);
}

TEST_F(DesktopZoomTest, TheZoomBoxTakesPercentagesAndPresetsRefusesTheRestAndGivesTheKeysBack) {
  startWith(640, 480);
  EXPECT_TRUE(box()->isEditable());
  QStringList presets;
  for (int i = 0; i < box()->count(); ++i) presets << box()->itemText(i);
  EXPECT_EQ(presets, QStringList({"Fit", "25 %", "33 %", "50 %", "67 %", "100 %", "150 %", "200 %", "300 %",
                                  "400 %", "600 %", "800 %"}));
  struct Row {
    const char* typed;
    double to;  // 0: refused, the zoom stays
  };
  typeZoom("300");
  for (const Row& row : std::initializer_list<Row>{{"150", 150},
                                                   {"250%", 250},
                                                   {" 175 % ", 175},
                                                   {"12.5 %", 100},  // held at the lowest
                                                   {"5000", 3200},   // and at the highest
                                                   {"abc", 0},
                                                   {"0", 0},
                                                   {"-50", 0},
                                                   {"", 0},
                                                   {"%", 0},
                                                   {"150 %%", 0},
                                                   {"1/2", 0},
                                                   {"inf", 0},
                                                   {"fit", -1}}) {
    const double before = percent();
    const QString shown = box()->currentText();
    typeZoom(QString::fromLatin1(row.typed));
    if (row.to > 0) {
      EXPECT_NEAR(percent(), row.to, 1e-3) << row.typed;
      EXPECT_EQ(box()->currentText(), QStringLiteral("%1 %").arg(row.to)) << row.typed;
      EXPECT_EQ(QApplication::focusWidget(), plate()) << row.typed;  // the keys are the canvas's again
    } else if (row.to < 0) {
      EXPECT_NEAR(percent(), fitPercent(), 1e-3);
      EXPECT_EQ(box()->currentText(), QStringLiteral("%1 %").arg(qRound(fitPercent())));
    } else {
      EXPECT_EQ(percent(), before) << row.typed;
      EXPECT_EQ(box()->currentText(), shown) << row.typed;
      EXPECT_EQ(QApplication::focusWidget(), box()) << row.typed;  // to try again
    }
  }
  // After a zoom the brush keys reach the canvas, not the box.
  typeZoom("200");
  const int brush = find<QSlider>("brushSize")->value();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_BracketRight);
  EXPECT_EQ(find<QSlider>("brushSize")->value(), brush + 5);
  EXPECT_EQ(box()->currentText(), QStringLiteral("200 %"));
  // Escape, or leaving the box, applies nothing.
  typeZoom("400", Qt::Key_Escape);
  EXPECT_NEAR(percent(), 200, 1e-3);
  EXPECT_EQ(box()->currentText(), QStringLiteral("200 %"));
  EXPECT_EQ(QApplication::focusWidget(), plate());
  typeZoom("400", Qt::Key_unknown);
  QTest::mouseClick(plate(), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(QApplication::focusWidget(), plate());
  EXPECT_NEAR(percent(), 200, 1e-3);
  EXPECT_EQ(box()->currentText(), QStringLiteral("200 %"));
  // Presets from the list; the box follows Fit and Actual Pixels.
  choosePreset("300 %");
  EXPECT_NEAR(percent(), 300, 1e-3);
  choosePreset("Fit");
  EXPECT_NEAR(percent(), fitPercent(), 1e-3);
  EXPECT_EQ(QApplication::focusWidget(), plate());
  key(Qt::CTRL | Qt::Key_1);
  EXPECT_EQ(box()->currentText(), QStringLiteral("100 %"));
  key(Qt::CTRL | Qt::Key_0);
  EXPECT_EQ(box()->currentText(), QStringLiteral("%1 %").arg(qRound(fitPercent())));
}

// At 100 % the 640 x 560 picture against canvases a point larger and smaller; then zoomed in, the
// bars and the plate move each other, and the settling after a pan far past the picture's right
// and bottom edges brings them back to the canvas's.
TEST_F(DesktopZoomTest, ScrollBarsComeWhenThePictureIsLargerAndMoveWithThePlate) {
  startWith(640, 560);
  key(Qt::CTRL | Qt::Key_1);
  QScrollBar* across = bar("horizontalScrollBar");
  QScrollBar* down = bar("verticalScrollBar");
  struct Row {
    QSize area;
    bool across, down;
  };
  for (const Row& row : std::initializer_list<Row>{{{641, 620}, false, false},
                                                   {{640, 620}, false, false},
                                                   {{639, 620}, true, false},
                                                   {{700, 561}, false, false},
                                                   {{700, 560}, false, false},
                                                   {{700, 559}, false, true}}) {
    areaSize(row.area);
    EXPECT_NEAR(percent(), 100, 1e-3);  // zoomed by the user: kept through the resizes
    EXPECT_EQ(across->isVisible(), row.across) << row.area.width() << " x " << row.area.height();
    EXPECT_EQ(down->isVisible(), row.down) << row.area.width() << " x " << row.area.height();
    // The canvas gives the bars their room; it is the plate's clip.
    const QSize canvas = row.area - QSize(row.down ? down->width() : 0, row.across ? across->height() : 0);
    EXPECT_EQ(plate()->size(), canvas);
    EXPECT_EQ(model()->plate()->clipFrame(), QRectF(QPointF(), QSizeF(canvas)));
  }
  EXPECT_EQ(down->maximum(), 1);

  areaSize({700, 620});
  typeZoom("300");  // 1920 x 1680
  ASSERT_TRUE(across->isVisible() && down->isVisible());
  const QSizeF clip = plate()->size();
  EXPECT_EQ(across->maximum(), 1920 - plate()->width());
  EXPECT_EQ(down->maximum(), 1680 - plate()->height());
  EXPECT_EQ(across->pageStep(), plate()->width());
  auto inStep = [&] {
    return std::abs(across->value() + frame().x()) < 0.501 && std::abs(down->value() + frame().y()) < 0.501;
  };
  EXPECT_TRUE(inStep());
  // The plate moves the bars.
  const QPoint centre = plate()->rect().center();
  const int x = across->value(), y = down->value();
  rightDrag(centre, centre - QPoint(100, 50));
  EXPECT_EQ(across->value(), x + 100);
  EXPECT_EQ(down->value(), y + 50);
  EXPECT_TRUE(inStep());
  // The bars move the plate: a click beside the handle pages, a drag to the end shows the edge.
  QTest::mouseClick(across, Qt::LeftButton, {}, QPoint(knob(across).left() - 3, across->height() / 2));
  EXPECT_EQ(across->value(), qMax(0, x + 100 - across->pageStep()));
  QTest::mouseClick(down, Qt::LeftButton, {}, QPoint(down->width() / 2, knob(down).bottom() + 3));
  EXPECT_EQ(down->value(), qMin(y + 50 + down->pageStep(), down->maximum()));
  EXPECT_TRUE(inStep());
  const QPoint handle = knob(across).center();
  QTest::mousePress(across, Qt::LeftButton, {}, handle);
  QTest::mouseMove(across, handle + QPoint(across->width(), 0));
  QTest::mouseRelease(across, Qt::LeftButton, {}, handle + QPoint(across->width(), 0));
  EXPECT_EQ(across->value(), across->maximum());
  EXPECT_FLOAT_EQ(float(frame().right()), float(clip.width()));

  // Far past the right and bottom edges, then let go: the edges settle on the canvas's.
  rightDrag(centre, centre - QPoint(4000, 4000));
  EXPECT_FLOAT_EQ(float(frame().right()), float(clip.width()));
  EXPECT_FLOAT_EQ(float(frame().bottom()), float(clip.height()));
  EXPECT_EQ(across->value(), across->maximum());
  EXPECT_EQ(down->value(), down->maximum());
  rightDrag(centre, centre + QPoint(4000, 4000));
  EXPECT_EQ(frame().topLeft(), QPointF(0, 0));
  EXPECT_EQ(across->value(), 0);

  // View > Scroll Bars: off, the canvas fills the area; remembered at the next start.
  QAction* shown = action("scrollBars");
  EXPECT_TRUE(shown->isChecked());
  shown->trigger();
  EXPECT_FALSE(across->isVisible() || down->isVisible());
  EXPECT_EQ(plate()->geometry(), area()->rect());
  w()->close();
  start();
  ASSERT_TRUE(open(writePhoto(dir_, "again.png", 640, 480)));
  EXPECT_FALSE(action("scrollBars")->isChecked());
  typeZoom("400");
  EXPECT_FALSE(bar("horizontalScrollBar")->isVisible());
  EXPECT_EQ(plate()->geometry(), area()->rect());
  action("scrollBars")->trigger();
  EXPECT_TRUE(bar("horizontalScrollBar")->isVisible() && bar("verticalScrollBar")->isVisible());
  EXPECT_TRUE(QSettings(platform::UserDefaults::storageFile(), QSettings::IniFormat)
                  .value("desktop/scrollBars")
                  .toBool());
}

// Every toolbar command on the bar itself (none in its overflow menu), icons alone at the smallest
// size and text beside them in a wide window; the picture refitted as the window shrinks until the
// user zooms, and again once zoomed back to the fit.
TEST_F(DesktopZoomTest, TheSmallestWindowKeepsTheToolbarAndRefitsAnUnzoomedPicture) {
  startWith(640, 480);
  auto* tools = find<QToolBar>("tools");
  for (QSize size : {QSize(800, 600), QSize(1600, 900), QSize(800, 600)}) {
    w()->resize(size);
    QCoreApplication::processEvents();
    ASSERT_EQ(w()->size(), size);
    EXPECT_EQ(tools->toolButtonStyle(),
              size.width() == 800 ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    EXPECT_FALSE(tools->findChild<QToolButton*>("qt_toolbar_ext_button")->isVisible());
    for (QAction* command : tools->actions()) {
      if (command->isSeparator()) continue;
      QWidget* widget = tools->widgetForAction(command);
      ASSERT_NE(widget, nullptr) << command->text().toStdString();
      EXPECT_TRUE(widget->isVisible()) << command->text().toStdString() << " at " << size.width();
      EXPECT_TRUE(tools->rect().contains(widget->geometry())) << command->text().toStdString();
    }
    EXPECT_EQ(find<QToolButton>("compareButton")->toolButtonStyle(), tools->toolButtonStyle());
    // Not zoomed: the whole picture, as large as the canvas allows.
    EXPECT_TRUE(same(frame(), canvas::fitRect(QRectF(plate()->rect()), QSizeF(640, 480))));
  }
  const double fit = fitPercent();
  ASSERT_LT(fit, 99.5);  // the fit is the lowest zoom here
  key(Qt::CTRL | Qt::Key_Plus);
  const QRectF zoomed = frame();
  w()->resize(1000, 700);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame().size(), zoomed.size());  // the user's zoom stays
  w()->resize(800, 600);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame().size(), zoomed.size());
  key(Qt::CTRL | Qt::Key_Minus);  // back to the fit: followed again
  EXPECT_NEAR(percent(), fit, 1e-3);
  w()->resize(1000, 700);
  QCoreApplication::processEvents();
  EXPECT_TRUE(same(frame(), canvas::fitRect(QRectF(plate()->rect()), QSizeF(640, 480))));
}

// While a photo is prepared the indicator shows beside the hint's text, never over it, in a small
// window and a large one. The text is found in what the hint paints.
TEST_F(DesktopZoomTest, TheBusyIndicatorStaysClearOfTheHintText) {
  for (QSize size : {QSize(800, 600), QSize(1600, 1000)}) {
    start(size);
    auto* hint = find<QLabel>("emptyHint");
    auto* busy = find<platform::ActivityIndicator>("busyIndicator");
    const QRgb background = hint->palette().color(QPalette::Window).rgb();
    QSignalSpy picked(doc(), &document::SketchDocument::photoPicked);
    QSignalSpy done(doc(), &document::SketchDocument::renderPassFinished);
    key(Qt::CTRL | Qt::Key_O);
    auto* dialog = w()->findChild<QFileDialog*>();
    ASSERT_TRUE(dialog && dialog->isVisible());
    choose(dialog, writePhoto(dir_, "p.png", 640, 480));
    for (int turn = 0; turn < 3 && picked.isEmpty(); ++turn) QCoreApplication::processEvents();
    ASSERT_EQ(picked.count(), 1);
    ASSERT_TRUE(busy->isVisible() && hint->isVisible());
    const QImage shown = hint->grab().toImage();
    QRect text;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x)
        if (shown.pixel(x, y) != background) text |= QRect(x, y, 1, 1);
    ASSERT_FALSE(text.isEmpty());
    text.translate(hint->pos());
    // Wholly below or above the text, inside the area.
    const QRect indicator = busy->geometry();
    EXPECT_TRUE(indicator.top() > text.bottom() || indicator.bottom() < text.top()) << size.width();
    EXPECT_TRUE(area()->rect().contains(indicator));
    ASSERT_TRUE(waitCount(done, 1));
  }
}

}  // namespace
