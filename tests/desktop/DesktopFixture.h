// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop window under test: started on a private settings file, driven with real key and
// mouse events; a flat photo to open and the helpers that open it through the file dialog and
// paint strokes on the canvas.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <optional>

#include "FakeClock.h"
#include "canvas/CanvasModel.h"
#include "canvas/PlateView.h"
#include "desktop/DesktopWindow.h"
#include "desktop/StylePanel.h"
#include "document/PromptSchedule.h"
#include "document/SketchDocument.h"
#include "platform/Desktop.h"
#include "platform/Resources.h"
#include "platform/UserDefaults.h"
#include "platform/widgets/ActivityIndicator.h"
#include "platform/widgets/AlertView.h"

namespace desktop_test {

inline constexpr QRgb kRed = 0xffd02020;

// A flat red photo (photo A is red, every sketch style grey), with some edges for the styles.
inline QString writePhoto(const QTemporaryDir& dir, const QString& name, int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(kRed);
  for (int y = 0; y < h; y += 16) image.setPixel(w / 2, y, qRgb(20, 20, 20));
  const QString path = dir.filePath(name);
  return image.save(path) ? path : QString();
}

// Until spy has seen n signals (some may have come while a click's events were handled).
inline bool waitCount(QSignalSpy& spy, qsizetype n, int ms = 20000) {
  return spy.count() >= n || QTest::qWaitFor([&] { return spy.count() >= n; }, ms);
}

// The plate is a single-precision model: frames agree to float precision.
inline ::testing::AssertionResult same(const QRectF& a, const QRectF& b) {
  const double e = 1e-3;
  if (std::abs(a.x() - b.x()) < e && std::abs(a.y() - b.y()) < e && std::abs(a.width() - b.width()) < e &&
      std::abs(a.height() - b.height()) < e)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << a.x() << ", " << a.y() << ", " << a.width() << " x "
                                       << a.height() << ") vs (" << b.x() << ", " << b.y() << ", " << b.width()
                                       << " x " << b.height() << ")";
}

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::setResourceRoot(QStringLiteral(":"));
    platform::UserDefaults::setStorageFile(dir_.filePath("settings.ini"));
    auto& d = platform::UserDefaults::standardUserDefaults();
    d.setBoolForKey(true, "helphint");
    d.setBoolForKey(true, "rated");
    d.setIntegerForKey(1000000, "more_times");
  }
  void TearDown() override {
    for (platform::AlertView* alert : platform::AlertView::visibleAlerts())
      if (QMessageBox* box = alert->messageBox()) box->reject();
    window_.reset();
    platform::UserDefaults::setStorageFile(QString());
  }

  // size: the window's size after the start (none: what the start chose).
  desktop::DesktopWindow* start(std::optional<QSize> size = QSize(1280, 800)) {
    window_ = std::make_unique<desktop::DesktopWindow>();
    window_->findChild<document::PromptSchedule*>()->setTimerStart(clock_.timerStart());
    window_->start();
    if (size) window_->resize(*size);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    return window_.get();
  }
  // A start with a w x h photo opened.
  void startWith(int w, int h, const char* name = "p.png") {
    start();
    ASSERT_TRUE(open(writePhoto(dir_, name, w, h)));
  }
  desktop::DesktopWindow* w() { return window_.get(); }
  document::SketchDocument* doc() { return window_->document(); }
  // A widget, action or object of the window by its type and name, as the user knows it.
  template <class T>
  T* find(const QString& name = {}) {
    T* found = window_->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  canvas::PlateView* plate() { return find<canvas::PlateView>(); }
  canvas::CanvasModel* model() { return plate()->model(); }
  canvas::Painting* painting() { return model()->painting(); }
  QAction* action(const char* name) { return find<QAction>(name); }
  desktop::StylePanel* stylePanel() { return find<desktop::StylePanel>(); }
  QListWidget* sketchList() { return stylePanel()->sketchList(); }
  QListWidget* colourList() { return stylePanel()->colourList(); }
  // The unsaved-changes question while it is open.
  QMessageBox* openQuestion() {
    for (QMessageBox* box : window_->findChildren<QMessageBox*>("unsavedChanges"))
      if (box->isVisible()) return box;
    return nullptr;
  }
  void key(QKeyCombination k) {
    QTest::keyClick(window_.get(), k.key(), k.keyboardModifiers());
    QCoreApplication::processEvents();
  }
  // A dialog has closed: it goes, and the window manager gives the window the focus back.
  void dialogClosed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::setActiveWindow(window_.get());
  }
  // Types path whole into a file dialog's name field and presses Return, as a user may.
  static void choose(QFileDialog* dialog, const QString& path) {
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
  }
  // Opens a photo the way a user does: Ctrl+O, the file chosen in the dialog.
  bool open(const QString& path) {
    QSignalSpy done(doc(), &document::SketchDocument::renderPassFinished);
    key(Qt::CTRL | Qt::Key_O);
    auto* dialog = window_->findChild<QFileDialog*>();
    if (!dialog || !dialog->isVisible()) return false;
    choose(dialog, path);
    const bool ok = done.wait(20000) && done.last().at(0).toBool();
    QApplication::setActiveWindow(window_.get());
    return ok;
  }
  // A left-button stroke between two canvas points.
  void stroke(QPoint from, QPoint to, int steps = 6) {
    QTest::mousePress(plate(), Qt::LeftButton, {}, from);
    for (int i = 1; i <= steps; ++i) QTest::mouseMove(plate(), from + (to - from) * i / steps);
    QTest::mouseRelease(plate(), Qt::LeftButton, {}, to);
  }
  QRectF pictureOnScreen() {
    return canvas::fitRect(model()->plate()->baseviewFrame(), QSizeF(painting()->orgimgview()->image().size()));
  }
  // The picture point shown at a canvas point.
  QPointF pictureAt(QPointF p) {
    const QRectF r = pictureOnScreen();
    const QSize s = painting()->orgimgview()->image().size();
    return QPointF((p.x() - r.x()) * s.width() / r.width(), (p.y() - r.y()) * s.height() / r.height());
  }
  QRgb workPixel(QPoint pictureAt) { return painting()->workimgview()->image().pixel(pictureAt); }

  QTemporaryDir dir_;
  vorlane_test::FakeClock clock_;  // the prompts' timers run on it
  std::unique_ptr<desktop::DesktopWindow> window_;
};

}  // namespace desktop_test
