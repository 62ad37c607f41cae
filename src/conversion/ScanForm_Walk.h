#pragma once
// The cell walk of a conversion: lays a grid of bead cells over a picture in a
// stitch style, gives every cell the average colour of the pixels under it
// (coarsened by the reduction mask), paints that colour back over the cell and
// records it. Run without converting it only outlines the cells and counts
// the rows and columns a chart would get. The conversion window and the
// command-line tool both call it.
#include "model/Beads_Classes.h"
#include "platform/Picture.h"
#include "platform/Progress.h"

#include <cstdint>
#include <functional>

// The reduction masks of the "Reduce Colors by " menu.
constexpr std::uint8_t ReduceNone = 255;  // " 0  %"
constexpr std::uint8_t Reduce12 = 254;    // "12 %"
constexpr std::uint8_t Reduce25 = 252;    // "25 %"
constexpr std::uint8_t Reduce38 = 248;    // "38 %"
constexpr std::uint8_t Reduce50 = 240;    // "50 %"

// The outline pen: the system's button-shadow grey.
constexpr TColor CellOutlineColor = 0x808080;

// The walk keeps a reference to its settings: ReduceMask and CancelRequested may
// change while it lets pending messages run, and take effect from the next cell.
struct TWalkSettings {
  int BeadSize = 13;  // 1 to 22
  EPattern ConvertStyle = BPsquare;
  std::uint8_t ReduceMask = ReduceNone;
  bool OutlineBeads = false;
  bool Converting = false;
  // Asked before every cell; true stops the walk there. None: never stops.
  std::function<bool()> CancelRequested;
  // Lets pending messages run. Called between cells, at most once per
  // PumpIntervalMs (0: after every converted cell).
  std::function<void()> Pump;
  int PumpIntervalMs = 10;
};

struct TWalkResult {
  // The read-outs: row and column of the last cell reached, plus 1 (1 when
  // no cell was reached).
  int Rows = 1;
  int Columns = 1;
  bool Cancelled = false;
  // The walk ended on an error (out of memory); the read-outs were not updated.
  bool Failed = false;
};

// Cell sides in pixels for a bead size: brick cells lie on their side.
int CellWidth(int beadSize, EPattern style);
int CellHeight(int beadSize, EPattern style);

// Walks the cells over work. When converting, appends one record per cell to
// beads (row-major) and reports progress (0 to 100) to progress.
TWalkResult WalkCells(TPicture& work, const TWalkSettings& settings, ConvertedBeads& beads,
                      TProgressSink* progress = nullptr);
