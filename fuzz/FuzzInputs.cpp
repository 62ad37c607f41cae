#include "FuzzInputs.h"

#include "conversion/LoadImage.h"
#include "conversion/ScanForm_Walk.h"
#include "model/Beads_Classes.h"
#include "palette/Pallet_File.h"
#include "platform/ScriptedUserInterface.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// The readers take file names, so every input is written to a file of its own
// kind first. The file lives as long as the process.
class TInputFile {
public:
  explicit TInputFile(const char* suffix)
      : Name(QDir::temp().filePath(QStringLiteral("glintweave-fuzz-%1%2")
                                       .arg(qint64(getpid()))
                                       .arg(QString::fromLatin1(suffix)))) {}
  ~TInputFile() { QFile::remove(Name); }
  bool Write(const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(QFile::encodeName(Name).constData(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
  }
  const QString Name;
};

// Messages go nowhere but are counted.
TScriptedUserInterface& SilentUI() {
  static TScriptedUserInterface ui;
  static bool installed = (SetUI(&ui), true);
  (void)installed;
  ui.Clear();
  ui.Answers.clear();
  return ui;
}

}  // namespace

bool FuzzPatternFileInput(const std::uint8_t* data, std::size_t size) {
  static TInputFile file(".bfp");
  TScriptedUserInterface& ui = SilentUI();
  if (!file.Write(data, size)) return true;  // not the reader's fault

  TBeadPattern pattern;
  const int width = pattern.BeadPatternWidth(), height = pattern.BeadPatternHeight();
  if (!pattern.ReadPatternFile(file.Name)) {
    // A refused file leaves the chart as it was and says why.
    return pattern.Beads().empty() && pattern.BeadPatternWidth() == width &&
           pattern.BeadPatternHeight() == height && !ui.Messages.empty();
  }
  const auto& beads = pattern.Beads();
  const std::size_t w = pattern.BeadPatternWidth();
  if (beads.size() != w * pattern.BeadPatternHeight()) return false;
  for (std::size_t i = 0; i < beads.size(); ++i)
    if (beads[i].Row != i / w || beads[i].Column != i % w) return false;
  // A chart read from a file is laid out next, as its window does.
  pattern.SetIsZoom(true);
  pattern.SetZoom(1.0f);
  pattern.MakeZoomList();
  return true;
}

bool FuzzPaletteFileInput(const std::uint8_t* data, std::size_t size) {
  static TInputFile file(".pal");
  TScriptedUserInterface& ui = SilentUI();
  if (!file.Write(data, size)) return true;

  TColorList list;
  AddDefaultColors(list);
  const TColorList before = list;
  if (!OpenPalette(list, file.Name)) {
    if (ui.Messages.empty() || list.size() != before.size()) return false;
    for (std::size_t i = 0; i < list.size(); ++i)
      if (std::memcmp(&list[i], &before[i], sizeof(TColorEntry)) != 0) return false;
    return true;
  }
  // Never more entries than the file holds, every name terminated.
  if (list.size() > (size < 8 ? 0 : (size - 8) / 28)) return false;
  for (const TColorEntry& e : list)
    if (e.Name[12] != 0 || e.PrintId[1] != 0) return false;
  // What was read writes back as the same entries.
  TColorList again;
  if (!ParsePaletteBytes(PaletteFileBytes(list), again) || again.size() != list.size()) return false;
  for (std::size_t i = 0; i < list.size(); ++i)
    if (again[i].Color != list[i].Color || again[i].NameText() != list[i].NameText()) return false;
  return true;
}

bool FuzzBitmapInput(const std::uint8_t* data, std::size_t size) {
  static TInputFile file(".bmp");
  TScriptedUserInterface& ui = SilentUI();
  if (!file.Write(data, size)) return true;

  TImageLoad reader;
  TPicture source, work;
  if (!reader.LoadBitmap(file.Name)) return reader.BitmapData().isEmpty();
  if (reader.BitmapData().size() != qsizetype(size) ||
      std::memcmp(reader.BitmapData().constData(), data, size) != 0)
    return false;
  ui.Clear();
  if (!DecodePicture(reader.BitmapData(), source, work, FuzzPictureCap))
    return source.IsEmpty() && work.IsEmpty() && ui.Messages.size() == 1;
  if (source.IsEmpty() || work.Width() != source.Width() || work.Height() != source.Height() ||
      qint64(source.Width()) * source.Height() * 4 > FuzzPictureCap)
    return false;

  // Then the walk over what was decoded, in two styles that reach past the edges.
  for (EPattern style : {BPbrick, BPpeyote}) {
    TPicture picture;
    picture.Assign(source.Image());
    TWalkSettings settings;
    settings.BeadSize = 22;
    settings.ConvertStyle = style;
    settings.Converting = true;
    settings.OutlineBeads = true;
    ConvertedBeads beads;
    const TWalkResult r = WalkCells(picture, settings, beads);
    if (!beads.empty() && beads.size() != std::size_t(r.Rows) * std::size_t(r.Columns)) return false;
  }
  return true;
}
