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
#include "desktop/MenuText.h"
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
  action->setIconText(plainMenuText(text));
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
  connect(makeAction("open", tr("&Open..."), tr("Open a photo from a file"), "tb_open", {K::Open}),
          &QAction::triggered, this, &DesktopWindow::openPhoto);
  connect(makeAction("takePhoto", tr("&Take Photo..."), tr("Take a photo with the camera"), "tb_camera", {}),
          &QAction::triggered, this, &DesktopWindow::takePhoto);
  connect(makeAction("save", tr("&Save"), tr("Save the painting as a Vorlane document"), "tb_save", {K::Save}),
          &QAction::triggered, this, &DesktopWindow::saveDocument);
  connect(makeAction("saveAs", tr("Save &As..."), tr("Save the painting as a Vorlane document of another name"), "",
                     {K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
          &QAction::triggered, this, [this] { saveDocumentAs({}); });
  connect(makeAction("export", tr("&Export..."), tr("Write the picture as a PNG or JPEG file"), "",
                     {K(Qt::CTRL | Qt::Key_E)}),
          &QAction::triggered, this, &DesktopWindow::exportPicture);
  connect(makeAction("exportAgain", tr("Export A&gain"), tr("Write the picture to the file exported last"), "",
                     {K(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}),
          &QAction::triggered, this, &DesktopWindow::exportAgain);
  connect(makeAction("exportTimelapse", tr("Export Time-&lapse..."),
                     tr("Write a short film of the painting being made (MP4 or animated WebP)"), "", {}),
          &QAction::triggered, this, &DesktopWindow::exportTimelapse);
  connect(makeAction("saveToPictures", tr("Save to &Pictures"),
                     tr("Save the picture to the Vorlane folder in Pictures"), "", {}),
          &QAction::triggered, document_, &document::SketchDocument::save);
  connect(makeAction("share", tr("Share by &Mail..."), tr("Attach the picture to a new mail"), "tb_share", {}),
          &QAction::triggered, document_, &document::SketchDocument::share);
  connect(makeAction("quit", tr("&Quit"), tr("Quit Vorlane"), "", {K(Qt::CTRL | Qt::Key_Q)}), &QAction::triggered,
          this, &QWidget::close);

  connect(makeAction("zoomIn", tr("Zoom &In"), tr("Show the picture larger"), "tb_zoom_in",
                     {K::ZoomIn, K(Qt::CTRL | Qt::Key_Equal)}),
          &QAction::triggered, this, [this] { stepZoom(1); });
  connect(makeAction("zoomOut", tr("Zoom &Out"), tr("Show the picture smaller"), "tb_zoom_out", {K::ZoomOut}),
          &QAction::triggered, this, [this] { stepZoom(-1); });
  connect(makeAction("fit", tr("&Fit to Window"), tr("Show the whole picture as large as the window allows"),
                     "tb_fit", {K(Qt::CTRL | Qt::Key_0)}),
          &QAction::triggered, plate, &canvas::Plate::fitToClip);
  connect(makeAction("actualPixels", tr("&Actual Pixels"), tr("Show one picture pixel per screen pixel"), "tb_actual",
                     {K(Qt::CTRL | Qt::Key_1)}),
          &QAction::triggered, this, [this] { model_->plate()->actualPixels(plate_->devicePixelRatioF()); });
  QAction* compare =
      makeAction("compare", tr("&Compare"), tr("Show the colour layer alone (or hold the \\ key)"), "tb_compare", {});
  compare->setCheckable(true);
  connect(compare, &QAction::toggled, this, &DesktopWindow::setCompare);
  buildViewActions();

  connect(makeAction("copy", tr("&Copy"), tr("Copy the picture to the clipboard"), "", {K::Copy}),
          &QAction::triggered, this, &DesktopWindow::copyPicture);

  // The canvas's keyboard commands, as the phone and tablet have them; undo and
  // redo go through the document, whose history also holds style changes.
  for (const canvas::CanvasCommand& command : canvas::canvasCommands()) {
    QAction* made = makeAction(command.name, command.displayText(), command.displayTip(), command.icon, command.keys);
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
      makeAction("penPressure", tr("Pe&n Pressure"),
                 tr("A pen tablet's pressure sets the brush width, from a quarter to all of it"), "", {});
  pressure->setCheckable(true);
  pressure->setChecked(model_->penPressure());
  connect(pressure, &QAction::toggled, this, [this](bool on) {
    model_->setPenPressure(on);
    QSettings settings = windowSettings();
    settings.setValue(kPenPressureKey, on);
    settings.sync();
  });

  connect(makeAction("help", tr("Vorlane &Help"), tr("How to paint, zoom and move the picture"), "tb_help",
                     {K::HelpContents}),
          &QAction::triggered, this, &DesktopWindow::showHelp);
  connect(makeAction("about", tr("&About Vorlane"), tr("Version, licence and credits"), "", {}), &QAction::triggered,
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
  QMenu* file = menuBar()->addMenu(tr("&File"));
  add(file, {"open"});
  recentMenu_ = file->addMenu(tr("Open &Recent"));
  recentMenu_->setObjectName(QStringLiteral("recent"));
  add(file, {"takePhoto", "", "save", "saveAs", "", "export", "exportAgain", "exportTimelapse", "saveToPictures",
             "share", "", "quit"});
  add(menuBar()->addMenu(tr("&Edit")), {"undo", "redo", "", "copy"});
  QMenu* view = menuBar()->addMenu(tr("&View"));
  add(view, {"zoomIn", "zoomOut", "fit", "actualPixels", "", "compare", ""});
  // The style panel can be closed or moved like any dock; this brings it back.
  QAction* panel = styles_->toggleViewAction();
  panel->setObjectName(QStringLiteral("showStyles"));
  panel->setText(tr("&Styles Panel"));
  panel->setStatusTip(tr("Show or hide the list of styles"));
  view->addAction(panel);
  view->addAction(action(QStringLiteral("scrollBars")));
  add(menuBar()->addMenu(tr("&Brush")),
      {"brushA", "brushB", "", "biggerBrush", "smallerBrush", "", "penPressure"});
  add(menuBar()->addMenu(tr("&Help")), {"help", "", "rate", "moreApps", "", "about"});
}

void DesktopWindow::buildToolBar() {
  QToolBar* bar = addToolBar(tr("Tools"));
  bar->setObjectName(QStringLiteral("tools"));
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  for (const char* name :
       {"open", "takePhoto", "save", "share", "", "undo", "redo", "", "brushA", "brushB"}) {
    if (*name)
      bar->addAction(action(QString::fromLatin1(name)));
    else
      bar->addSeparator();
  }
  auto* sizeLabel = new QLabel(tr(" Brush size "), bar);
  bar->addWidget(sizeLabel);
  brushSlider_ = new QSlider(Qt::Horizontal, bar);
  brushSlider_->setObjectName(QStringLiteral("brushSize"));
  brushSlider_->setRange(0, 100);
  brushSlider_->setValue(qRound(model_->painting()->sliderValue() * 100.0f));
  brushSlider_->setFixedWidth(140);
  brushSlider_->setToolTip(tr("Brush size ([ and ])"));
  sizeLabel->setBuddy(brushSlider_);
  connect(brushSlider_, &QSlider::valueChanged, this,
          [this](int value) { model_->painting()->setSliderValue(float(value) / 100.0f); });
  bar->addWidget(brushSlider_);
  brushValue_ = new QLabel(bar);
  // As wide as the widest value it shows, in the session's language.
  brushValue_->setMinimumWidth(
      brushValue_->fontMetrics().horizontalAdvance(QLatin1Char(' ') + tr("%1 px").arg(8888) + QLatin1Char(' ')));
  bar->addWidget(brushValue_);
  bar->addSeparator();
  bar->addAction(action(QStringLiteral("fit")));
  // Held down, not toggled: the colour layer shows while the button is pressed.
  compareButton_ = new QToolButton(bar);
  compareButton_->setObjectName(QStringLiteral("compareButton"));
  compareButton_->setText(tr("Compare"));
  compareButton_->setIcon(action(QStringLiteral("compare"))->icon());
  compareButton_->setToolTip(tr("Hold to show the colour layer alone"));
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
  using Step = document::SketchDocument::Step;
  const Step undoStep = document_->undoStep(), redoStep = document_->redoStep();
  undo->setText(undoStep == Step::None     ? tr("&Undo")
                : undoStep == Step::Stroke ? tr("&Undo Stroke")
                                           : tr("&Undo Style Change"));
  redo->setText(redoStep == Step::None     ? tr("&Redo")
                : redoStep == Step::Stroke ? tr("&Redo Stroke")
                                           : tr("&Redo Style Change"));
  // The toolbar keeps its short words, so its buttons do not shift as the
  // step changes; the tip names the step.
  //: The toolbar's short word for Edit > Undo.
  undo->setIconText(tr("Undo"));
  //: The toolbar's short word for Edit > Redo.
  redo->setIconText(tr("Redo"));
  const QString undoTip = undoStep == Step::StyleChange ? tr("Undo the style change") : tr("Undo the last stroke");
  const QString redoTip =
      redoStep == Step::StyleChange ? tr("Redo the style change") : tr("Redo the stroke undone last");
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
      this, tr("About Vorlane"),
      //: %1 is the version number.
      tr("<h3>Vorlane %1</h3>"
          "<p>Turns a photo into a pencil sketch and lets you paint the colour back.</p>"
          "<p>Vorlane is free software: you can redistribute it and/or modify it under the terms of the "
          "GNU General Public License, version 3 or (at your option) any later version.</p>"
          "<p>Sample photo: astronaut Eileen Collins, NASA (public domain).</p>")
          .arg(QString::fromLatin1(platform::kVersion)));
}

}  // namespace desktop
