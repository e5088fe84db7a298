// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/CanvasCommands.h"

#include <QCoreApplication>

#include "canvas/Painting.h"

namespace canvas {

const QList<CanvasCommand>& canvasCommands() {
  using K = QKeySequence;
  static const QList<CanvasCommand> commands{
      {"undo",
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "&Undo"),
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "Undo the last stroke"),
       "tb_undo",
       {K(Qt::CTRL | Qt::Key_Z)},
       [](Painting& painting) { painting.undo(); }},
      {"redo",
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "&Redo"),
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "Redo the stroke undone last"),
       "tb_redo",
       {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)},
       [](Painting& painting) { painting.redo(); }},
      {"brushA",
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "&Paint Colour"),
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "Paint the colour back over the sketch (A)"),
       "tb_brush_a",
       {K(Qt::Key_A)},
       [](Painting& painting) { painting.setBrushMode(BrushMode::A); }},
      {"brushB",
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "&Restore Sketch"),
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "Bring the sketch back (B)"),
       "tb_brush_b",
       {K(Qt::Key_B)},
       [](Painting& painting) { painting.setBrushMode(BrushMode::B); }},
      {"biggerBrush",
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "&Bigger Brush"),
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "Make the brush larger"),
       "",
       {K(Qt::Key_BracketRight)},
       [](Painting& painting) { painting.setSliderValue(painting.sliderValue() + kBrushStep); }},
      {"smallerBrush",
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "&Smaller Brush"),
       QT_TRANSLATE_NOOP("canvas::CanvasCommands", "Make the brush smaller"),
       "",
       {K(Qt::Key_BracketLeft)},
       [](Painting& painting) { painting.setSliderValue(painting.sliderValue() - kBrushStep); }},
  };
  return commands;
}

QString CanvasCommand::displayText() const {
  return QCoreApplication::translate("canvas::CanvasCommands", text);
}

QString CanvasCommand::displayTip() const {
  return QCoreApplication::translate("canvas::CanvasCommands", tip);
}

}  // namespace canvas
