#pragma once
// Palette files (.PAL) and the ten empty slots of a fresh palette.
//
// A palette file is the mark 'H' 'E' 'Y' 0, a 32-bit little-endian byte count,
// and the 28-byte colour entries byte for byte. The editor's dialogs choose the
// file names; these operations take them from the caller.
#include "model/Beads_Classes.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// The first four bytes of every palette file, read as a little-endian value.
constexpr std::uint32_t PaletteMark = 0x00594548;
constexpr int PaletteEntrySize = 28;
constexpr int PaletteHeaderSize = 8;

// Placeholder entry number (1 to 10 in a fresh palette): no colour, named
// "Color<number>", name still pending, print identifier "C".
TColorEntry MakePlaceholderEntry(int number);

// Replaces every entry of list by the ten placeholder entries.
void ResetPalette(TColorList& list);

// The bytes of a palette file holding list.
QByteArray PaletteFileBytes(const TColorList& list);

// Writes list to fileName; the previous file stays whole unless everything was
// written. A failure shows the system's text (caption "GetLastError") and
// returns false.
bool SavePalette(const TColorList& list, const QString& fileName);

// Reads fileName into list. A file without the mark shows "Not a Palette File";
// a file that cannot be read shows the system's text. On any failure list is
// left exactly as it was and false is returned.
bool OpenPalette(TColorList& list, const QString& fileName);

// Parses palette file bytes into list (replacing its entries). Only the whole
// entries the bytes really hold are taken, however large the stored count.
// False when the mark is missing; list is then unchanged.
bool ParsePaletteBytes(const QByteArray& bytes, TColorList& list);
