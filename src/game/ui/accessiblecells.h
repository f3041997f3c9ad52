#pragma once

// Tells assistive technology that the board's pieces and the selection
// screen's gallery are cells, named by their widgets' accessible names.
// Safe to call more than once.
void installAccessibleCells();
