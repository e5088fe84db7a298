// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The canvas's commands that every layout offers from the keyboard: undo, redo,
// the two brushes and the brush size. Each is written here once, with its keys
// and what it does on the model; the desktop makes its actions of them (the
// words are its menus' and tips'), the phone and tablet their shortcuts.
#include <QKeySequence>
#include <QList>
#include <QString>

namespace canvas {

class Painting;

// One step of the brush-size keys on the slider's 0..1 scale.
inline constexpr float kBrushStep = 0.05f;

struct CanvasCommand {
  const char* name;  // the desktop action's object name
  const char* text;  // menu text, with its mnemonic
  const char* tip;   // tool and status tip
  const char* icon;  // toolbar picture, "" for none
  QList<QKeySequence> keys;
  void (*run)(Painting& painting);

  // text and tip in the session's language.
  QString displayText() const;
  QString displayTip() const;
};

// In menu order: undo, redo, brush A, brush B, bigger, smaller.
const QList<CanvasCommand>& canvasCommands();

}  // namespace canvas
