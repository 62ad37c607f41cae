#pragma once
// The selection of a chart window and the application-wide bead clipboard, as
// operations on a chart and BeadRecord lists. No widgets: the chart window
// draws the selection marks as its overlay and supplies the canvas.
#include "model/Beads_Classes.h"

#include <QRect>
#include <vector>

using TBeadList = std::vector<BeadRecord>;

// The record a selection keeps for a bead: what GetBeadInfo says of it, with
// the colour it shows. Nothing for an index outside the chart.
std::optional<BeadRecord> SelectionEntry(const TBeadPattern& pattern, int index);

// A select-tool click on the bead whose record is hit (colour: the shown one).
// Only Shift and Ctrl count. True when marks should be drawn.
bool SelectBead(const TBeadPattern& pattern, TBeadList& selection, bool shift, bool ctrl,
                const BeadRecord& hit);

// Copies the selection into the clipboard, rows and columns made relative to
// the block's top row and left column. An empty selection leaves the
// clipboard as it was and gives false.
bool CopyToClipboard(const TBeadList& selection, TBeadList& clipboard);

// Turns every bead named by the clipboard into a base bead, as one new undo
// step. Removed beads stay removed.
bool CutBeads(TBeadPattern& pattern, TCanvas* canvas, const TBeadList& clipboard);

// Lays the clipboard down with its top-left corner at the bead (lastIndex,
// lastColumn); entries beyond the right edge or below the last row are
// dropped. All painted beads form one undo step. Gives the number painted.
int PasteBeads(TBeadPattern& pattern, TCanvas* canvas, const TBeadList& clipboard, int lastIndex,
               int lastColumn);

// The filled mark of a selected bead of that cell: the middle third each way.
QRect SelectionMarkRect(const TBeadPattern& pattern, int left, int top, int right, int bottom);
