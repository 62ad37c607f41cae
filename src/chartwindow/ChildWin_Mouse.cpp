// Mouse and key handling of the chart window, the overlay drawn over Bitmap,
// and the popup's row and column items. The editing tools live here.
#include "chartwindow/ChildWin.h"

#include <QPainter>

void TMDIChild::FormMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

void TMDIChild::FormMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {}

void TMDIChild::FormMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}

void TMDIChild::FormKeyDown(int, Qt::KeyboardModifiers) {}

void TMDIChild::FormKeyUp(int, Qt::KeyboardModifiers) {}

void TMDIChild::PaintOverlay(QPainter&, const QRect&) {}

void TMDIChild::AddRow1Click() {}

void TMDIChild::AddColumn1Click() {}

void TMDIChild::DeleteRow1Click() {}

void TMDIChild::DeleteCoumn1Click() {}
