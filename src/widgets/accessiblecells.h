#pragma once

class QWidget;

namespace vud {

// Tells assistive technology that the widget is a cell of a grid (a piece of
// the board, a picture of a gallery), named by its accessible name. Called
// before the widget is first shown.
void markAsAccessibleCell(QWidget *widget);

} // namespace vud
