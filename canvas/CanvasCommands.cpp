// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/CanvasCommands.h"

#include "canvas/CanvasModel.h"

namespace canvas {

const QList<CanvasCommand>& canvasCommands() {
  using K = QKeySequence;
  static const QList<CanvasCommand> commands{
      {"undo",
       "&Undo",
       "Undo the last stroke",
       "tb_undo",
       {K(Qt::CTRL | Qt::Key_Z)},
       [](CanvasModel& model) { model.undo(); }},
      {"redo",
       "&Redo",
       "Redo the stroke undone last",
       "tb_redo",
       {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)},
       [](CanvasModel& model) { model.redo(); }},
      {"brushA",
       "&Paint Colour",
       "Brush A: paint the colour of photo A back",
       "tb_brush_a",
       {K(Qt::Key_A)},
       [](CanvasModel& model) { model.AbtnClicked(); }},
      {"brushB",
       "&Restore Sketch",
       "Brush B: bring the sketch back",
       "tb_brush_b",
       {K(Qt::Key_B)},
       [](CanvasModel& model) { model.BbtnClicked(); }},
      {"biggerBrush",
       "&Bigger Brush",
       "Make the brush larger",
       "",
       {K(Qt::Key_BracketRight)},
       [](CanvasModel& model) { model.stepSlider(kBrushStep); }},
      {"smallerBrush",
       "&Smaller Brush",
       "Make the brush smaller",
       "",
       {K(Qt::Key_BracketLeft)},
       [](CanvasModel& model) { model.stepSlider(-kBrushStep); }},
  };
  return commands;
}

}  // namespace canvas
