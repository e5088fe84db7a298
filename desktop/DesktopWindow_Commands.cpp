// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's commands: actions with their keys, tips and icons, the
// menus and the toolbar built from them, and the dialogs they open.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include "canvas/CanvasCommands.h"
#include "canvas/CanvasModel.h"
#include "canvas/PlateView.h"
#include "desktop/DesktopWindow.h"
#include "desktop/StylePanel.h"
#include "document/DroppedPicture.h"
#include "document/PromptSchedule.h"
#include "document/SketchDocument.h"
#include "platform/Version.h"
#include "platform/widgets/CameraCapture.h"

namespace desktop {

namespace {


}  // namespace

QAction* DesktopWindow::makeAction(const QString& name, const QString& text, const QString& tip,
                                   const QString& icon, const QList<QKeySequence>& keys) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  action->setToolTip(tip);
  action->setStatusTip(tip);
  if (!icon.isEmpty()) {
    // Each size drawn for its ratio: Qt finds none of them by itself once the
    // window moves to another screen, and would enlarge the smallest at 1.5.
    QIcon picture(QStringLiteral(":/images/%1.png").arg(icon));
    for (const char* scale : {"@1.5x", "@2x"})
      picture.addFile(QStringLiteral(":/images/%1%2.png").arg(icon, QLatin1String(scale)));
    action->setIcon(picture);
  }
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  addAction(action);
  return action;
}

QAction* DesktopWindow::action(const QString& name) const {
  return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void DesktopWindow::buildActions() {
  using K = QKeySequence;
  canvas::Painting* painting = model_->painting();
  canvas::Plate* plate = model_->plate();
  connect(makeAction("open", "&Open...", "Open a photo from a file", "tb_open", {K::Open}),
          &QAction::triggered, this, &DesktopWindow::openPhoto);
  connect(makeAction("takePhoto", "&Take Photo...", "Take a photo with the camera", "tb_camera", {}),
          &QAction::triggered, this, &DesktopWindow::takePhoto);
  connect(makeAction("save", "&Save", "Save the painting as a Vorlane document", "tb_save", {K::Save}),
          &QAction::triggered, this, &DesktopWindow::saveDocument);
  connect(makeAction("saveAs", "Save &As...", "Save the painting as a Vorlane document of another name", "",
                     {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
          &QAction::triggered, this, [this] { saveDocumentAs({}); });
  connect(makeAction("export", "&Export...", "Write the picture as a PNG or JPEG file", "",
                     {K(Qt::CTRL | Qt::Key_E)}),
          &QAction::triggered, this, &DesktopWindow::exportPicture);
  connect(makeAction("exportAgain", "Export A&gain", "Write the picture to the file exported last", "",
                     {K(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}),
          &QAction::triggered, this, &DesktopWindow::exportAgain);
  connect(makeAction("exportTimelapse", "Export &Time-lapse...",
                     "Write a short film of the painting being made (MP4 or animated WebP)", "", {}),
          &QAction::triggered, this, &DesktopWindow::exportTimelapse);
  connect(makeAction("saveToPictures", "Save to &Pictures",
                     "Save the picture to the Vorlane folder in Pictures", "", {}),
          &QAction::triggered, document_, &document::SketchDocument::save);
  connect(makeAction("share", "Share by &Mail...", "Attach the picture to a new mail", "tb_share", {}),
          &QAction::triggered, document_, &document::SketchDocument::share);
  connect(makeAction("quit", "&Quit", "Quit Vorlane", "", {K(Qt::CTRL | Qt::Key_Q)}), &QAction::triggered,
          this, &QWidget::close);

  connect(makeAction("zoomIn", "Zoom &In", "Show the picture larger", "tb_zoom_in",
                     {K::ZoomIn, K(Qt::CTRL | Qt::Key_Equal)}),
          &QAction::triggered, this, [this] { stepZoom(1); });
  connect(makeAction("zoomOut", "Zoom &Out", "Show the picture smaller", "tb_zoom_out", {K::ZoomOut}),
          &QAction::triggered, this, [this] { stepZoom(-1); });
  connect(makeAction("fit", "&Fit to Window", "Show the whole picture as large as the window allows",
                     "tb_fit", {K(Qt::CTRL | Qt::Key_0)}),
          &QAction::triggered, plate, &canvas::Plate::fitToClip);
  connect(makeAction("actualPixels", "&Actual Pixels", "Show one picture pixel per screen pixel", "tb_actual",
                     {K(Qt::CTRL | Qt::Key_1)}),
          &QAction::triggered, this, [this] { model_->plate()->actualPixels(plate_->devicePixelRatioF()); });
  QAction* compare =
      makeAction("compare", "&Compare", "Show the colour layer alone (or hold the \\ key)", "tb_compare", {});
  compare->setCheckable(true);
  connect(compare, &QAction::toggled, this, &DesktopWindow::setCompare);
  buildViewActions();

  connect(makeAction("copy", "&Copy", "Copy the picture to the clipboard", "", {K::Copy}),
          &QAction::triggered, this, &DesktopWindow::copyPicture);

  // The canvas's keyboard commands, as the phone and tablet have them; undo and
  // redo go through the document, whose history also holds style changes.
  for (const canvas::CanvasCommand& command : canvas::canvasCommands()) {
    QAction* made = makeAction(command.name, command.text, command.tip, command.icon, command.keys);
    if (qstrcmp(command.name, "undo") == 0)
      connect(made, &QAction::triggered, document_, &document::SketchDocument::undo);
    else if (qstrcmp(command.name, "redo") == 0)
      connect(made, &QAction::triggered, document_, &document::SketchDocument::redo);
    else
      connect(made, &QAction::triggered, this, [painting, run = command.run] { run(*painting); });
  }
  brushModes_ = new QActionGroup(this);
  brushModes_->setExclusive(true);
  for (const char* name : {"brushA", "brushB"}) {
    QAction* mode = action(QString::fromLatin1(name));
    mode->setCheckable(true);
    brushModes_->addAction(mode);
  }
  action(QStringLiteral("brushA"))->setChecked(true);
  QAction* pressure =
      makeAction("penPressure", "Pen &Pressure",
                 "A pen tablet's pressure sets the brush width, from a quarter to all of it", "", {});
  pressure->setCheckable(true);
  pressure->setChecked(model_->penPressure());
  connect(pressure, &QAction::toggled, this, [this](bool on) {
    model_->setPenPressure(on);
    QSettings settings = windowSettings();
    settings.setValue(kPenPressureKey, on);
    settings.sync();
  });

  connect(makeAction("help", "Vorlane &Help", "How to paint, zoom and move the picture", "tb_help",
                     {K::HelpContents}),
          &QAction::triggered, this, &DesktopWindow::showHelp);
  connect(makeAction("about", "&About Vorlane", "Version, licence and credits", "", {}), &QAction::triggered,
          this, &DesktopWindow::showAbout);
}

void DesktopWindow::buildMenus() {
  auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
    for (const char* name : names) {
      if (*name)
        menu->addAction(action(QString::fromLatin1(name)));
      else
        menu->addSeparator();
    }
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  add(file, {"open"});
  recentMenu_ = file->addMenu(QStringLiteral("Open &Recent"));
  recentMenu_->setObjectName(QStringLiteral("recent"));
  add(file, {"takePhoto", "", "save", "saveAs", "", "export", "exportAgain", "exportTimelapse", "saveToPictures",
             "share", "", "quit"});
  add(menuBar()->addMenu(QStringLiteral("&Edit")), {"undo", "redo", "", "copy"});
  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  add(view, {"zoomIn", "zoomOut", "fit", "actualPixels", "", "compare", ""});
  // The style panel can be closed or moved like any dock; this brings it back.
  QAction* panel = styles_->toggleViewAction();
  panel->setObjectName(QStringLiteral("showStyles"));
  panel->setText(QStringLiteral("&Styles Panel"));
  panel->setStatusTip(QStringLiteral("Show or hide the list of styles"));
  view->addAction(panel);
  view->addAction(action(QStringLiteral("scrollBars")));
  add(menuBar()->addMenu(QStringLiteral("&Brush")),
      {"brushA", "brushB", "", "biggerBrush", "smallerBrush", "", "penPressure"});
  add(menuBar()->addMenu(QStringLiteral("&Help")), {"help", "", "rate", "moreApps", "", "about"});
}

void DesktopWindow::buildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("Tools"));
  bar->setObjectName(QStringLiteral("tools"));
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (const char* name :
       {"open", "takePhoto", "save", "share", "", "undo", "redo", "", "brushA", "brushB"}) {
    if (*name)
      bar->addAction(action(QString::fromLatin1(name)));
    else
      bar->addSeparator();
  }
  auto* sizeLabel = new QLabel(QStringLiteral(" Brush size "), bar);
  bar->addWidget(sizeLabel);
  brushSlider_ = new QSlider(Qt::Horizontal, bar);
  brushSlider_->setObjectName(QStringLiteral("brushSize"));
  brushSlider_->setRange(0, 100);
  brushSlider_->setValue(qRound(model_->painting()->sliderValue() * 100.0f));
  brushSlider_->setFixedWidth(140);
  brushSlider_->setToolTip(QStringLiteral("Brush size ([ and ])"));
  sizeLabel->setBuddy(brushSlider_);
  connect(brushSlider_, &QSlider::valueChanged, this,
          [this](int value) { model_->painting()->setSliderValue(float(value) / 100.0f); });
  bar->addWidget(brushSlider_);
  brushValue_ = new QLabel(bar);
  brushValue_->setMinimumWidth(brushValue_->fontMetrics().horizontalAdvance(QStringLiteral(" 0000 px ")));
  bar->addWidget(brushValue_);
  bar->addSeparator();
  bar->addAction(action(QStringLiteral("fit")));
  // Held down, not toggled: the colour layer shows while the button is pressed.
  compareButton_ = new QToolButton(bar);
  compareButton_->setObjectName(QStringLiteral("compareButton"));
  compareButton_->setText(QStringLiteral("Compare"));
  compareButton_->setIcon(action(QStringLiteral("compare"))->icon());
  compareButton_->setToolTip(QStringLiteral("Hold to show the colour layer alone"));
  compareButton_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  connect(compareButton_, &QToolButton::pressed, this, [this] { setCompare(true); });
  connect(compareButton_, &QToolButton::released, this, [this] { setCompare(false); });
  bar->addWidget(compareButton_);
  fitToolBar(bar);
}

void DesktopWindow::updateActions() {
  const bool picture = model_->painting()->imgready() && !document_->busy();
  const bool acts = picture && model_->touchesActive();
  for (const char* name : {"save", "saveAs", "export", "saveToPictures", "share", "copy", "zoomIn", "zoomOut", "fit",
                           "actualPixels", "compare", "brushA", "brushB", "biggerBrush", "smallerBrush"})
    action(QString::fromLatin1(name))->setEnabled(acts);
  // One long export at a time.
  const bool exporting = document_->exporting();
  action(QStringLiteral("export"))->setEnabled(acts && !exporting);
  action(QStringLiteral("exportAgain"))->setEnabled(acts && !exporting && !lastExport_.isEmpty());
  action(QStringLiteral("exportTimelapse"))->setEnabled(acts && !exporting);
  // The menu names the step: a stroke, or a style change.
  QAction* undo = action(QStringLiteral("undo"));
  QAction* redo = action(QStringLiteral("redo"));
  undo->setEnabled(acts && document_->canUndo());
  redo->setEnabled(acts && document_->canRedo());
  const QString undoName = document_->undoName(), redoName = document_->redoName();
  undo->setText(undoName.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo %1").arg(undoName));
  redo->setText(redoName.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo %1").arg(redoName));
  // The toolbar keeps its short words, so its buttons do not shift as the
  // step changes; the tip names the step.
  undo->setIconText(QStringLiteral("Undo"));
  redo->setIconText(QStringLiteral("Redo"));
  const QString undoTip = undoName == QLatin1String("Style Change") ? QStringLiteral("Undo the style change")
                                                                    : QStringLiteral("Undo the last stroke");
  const QString redoTip = redoName == QLatin1String("Style Change")
                              ? QStringLiteral("Redo the style change")
                              : QStringLiteral("Redo the stroke undone last");
  undo->setToolTip(undoTip);
  undo->setStatusTip(undoTip);
  redo->setToolTip(redoTip);
  redo->setStatusTip(redoTip);
  action(model_->painting()->brushMode() == canvas::BrushMode::B ? QStringLiteral("brushB")
                                                                 : QStringLiteral("brushA"))
      ->setChecked(true);
  brushSlider_->setEnabled(acts);
  compareButton_->setEnabled(acts);
}

void DesktopWindow::showAbout() {
  // The box runs an event loop of its own: what falls due meanwhile waits until it returns.
  QObject aboutBox;
  schedule_->dialogOpened(&aboutBox);
  QMessageBox::about(
      this, QStringLiteral("About Vorlane"),
      QStringLiteral(
          "<h3>Vorlane %1</h3>"
          "<p>Turns a photo into a pencil sketch and lets you paint the colour back.</p>"
          "<p>Vorlane is free software: you can redistribute it and/or modify it under the terms of the "
          "GNU General Public License, version 3 or (at your option) any later version.</p>"
          "<p>Sample photo: astronaut Eileen Collins, NASA (public domain).</p>")
          .arg(QString::fromLatin1(platform::kVersion)));
}

}  // namespace desktop
