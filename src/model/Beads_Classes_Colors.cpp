// Colour entries and the colour lists every chart starts with.
#include "model/Beads_Classes.h"

#include <algorithm>
#include <cstring>

QString TColorEntry::NameText() const {
  return QString::fromLatin1(Name, int(strnlen(Name, sizeof(Name))));
}

void TColorEntry::SetName(const QString& name) {
  std::memset(Name, 0, sizeof(Name));
  const QByteArray bytes = name.toLatin1().left(int(sizeof(Name)) - 1);
  std::memcpy(Name, bytes.constData(), size_t(bytes.size()));
}

void TColorEntry::SetPrintId(QChar id) {
  const char c = id.toLatin1();
  PrintId[0] = c ? c : ' ';
  PrintId[1] = 0;
}

void TColorEntry::SetColor(TColor c) {
  Color = c & 0xFFFFFFu;
  Red = std::uint8_t(RedOf(c));
  Green = std::uint8_t(GreenOf(c));
  Blue = std::uint8_t(BlueOf(c));
}

TColorEntry MakeColorEntry(const QString& name, QChar printId, TColor color, bool namePending) {
  TColorEntry e;
  e.HasColor = 1;
  e.NamePending = namePending ? 1 : 0;
  e.SetColor(color);
  e.SetName(name);
  e.SetPrintId(printId);
  return e;
}

void AddBuiltInColors(TColorList& list) {
  list.push_back(MakeColorEntry(QStringLiteral("BackGround"), ' ', 0x808080));
  list.push_back(MakeColorEntry(QStringLiteral("Base Color"), ' ', 0xC0C0C0));
  list.push_back(MakeColorEntry(QStringLiteral("HighLight"), ' ', 0xFFFFFF));
}

void AddDefaultColors(TColorList& list) {
  struct Default { const char* Name; char Id; unsigned R, G, B; };
  static const Default defaults[] = {
      {"Red", 'R', 255, 0, 0},     {"Aqua", 'A', 0, 255, 255}, {"Fuchsia", 'F', 255, 0, 255},
      {"Purple", 'P', 128, 0, 128}, {"Teal", 'T', 0, 128, 128}, {"Green", 'G', 0, 128, 0},
      {"Olive", 'O', 128, 128, 0}, {"Navy", 'N', 0, 0, 128},   {"Maroon", 'Y', 128, 0, 0},
      {"Blue", 'B', 0, 0, 255},
  };
  for (const Default& d : defaults)
    list.push_back(MakeColorEntry(QString::fromLatin1(d.Name), QChar::fromLatin1(d.Id),
                                  MakeColor(d.R, d.G, d.B)));
}
