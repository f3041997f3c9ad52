#pragma once

class QWidget;

namespace vud {

// Tells assistive technology that the widget is a cell of a grid (a piece of
// the board, a picture of a gallery), named by its accessible name. Called
// first, before its accessible name is set or it is shown: assistive
// technology keeps what it was told of the widget the first time.
void markAsAccessibleCell(QWidget *widget);

} // namespace vud
