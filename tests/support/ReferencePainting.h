// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The brush painted the plain way: each segment recorded without saved pixels,
// the whole work image copied and recomposed with it, and the whole view
// repainted; undo replays the history from its base. The canvas's in-place
// painting is tested for equality with it and measured against it.
#include <QWidget>

#include "canvas/Painting.h"

namespace reference {

// From now on painting records and paints its segments the plain way; view (if
// given) repaints whole after each change of the work image.
void useReferencePainting(canvas::Painting& painting, QWidget* view = nullptr);

}  // namespace reference
