#pragma once
// Charts as the command-line tool opens, lays out and draws them: the same steps
// a chart window takes, without the window.
#include "model/Beads_Classes.h"

#include <QString>
#include <optional>

// Reads a pattern file into pattern and lays it out at zoom 1, as a chart window
// opening it does. False (the reader's message already shown) on failure.
bool OpenChart(const QString& fileName, TBeadPattern& pattern);

// Lays the chart out at its zoom and draws it into picture in redraw mode:
// background first, then every bead. False (message shown) on failure.
bool RenderChart(TBeadPattern& pattern, TPicture& picture);

// "square", "brick", "peyote", "two-drop" (and "loom" where allowed).
std::optional<EPattern> ParseStyle(const QString& name, bool allowLoom = false);
QString StyleName(EPattern style);
