// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/CanvasCommands.h"

#include "canvas/Painting.h"

namespace canvas {

const QList<CanvasCommand>& canvasCommands() {
  using K = QKeySequence;
  static const QList<CanvasCommand> commands{
      {"undo",
       "&Undo",
       "Undo the last stroke",
       "tb_undo",
       {K(Qt::CTRL | Qt::Key_Z)},
       [](Painting& painting) { painting.undo(); }},
      {"redo",
       "&Redo",
       "Redo the stroke undone last",
       "tb_redo",
       {K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), K(Qt::CTRL | Qt::Key_Y)},
       [](Painting& painting) { painting.redo(); }},
      {"brushA",
       "&Paint Colour",
       "Paint the colour back over the sketch (A)",
       "tb_brush_a",
       {K(Qt::Key_A)},
       [](Painting& painting) { painting.setBrushMode(BrushMode::A); }},
      {"brushB",
       "&Restore Sketch",
       "Bring the sketch back (B)",
       "tb_brush_b",
       {K(Qt::Key_B)},
       [](Painting& painting) { painting.setBrushMode(BrushMode::B); }},
      {"biggerBrush",
       "&Bigger Brush",
       "Make the brush larger",
       "",
       {K(Qt::Key_BracketRight)},
       [](Painting& painting) { painting.setSliderValue(painting.sliderValue() + kBrushStep); }},
      {"smallerBrush",
       "&Smaller Brush",
       "Make the brush smaller",
       "",
       {K(Qt::Key_BracketLeft)},
       [](Painting& painting) { painting.setSliderValue(painting.sliderValue() - kBrushStep); }},
  };
  return commands;
}

}  // namespace canvas
