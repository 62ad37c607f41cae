#include "ModelSupport.h"
#include "platform/ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace {

ConvertedBeads Grid(int rows, int columns, EPattern style, const std::vector<TColor>& colors) {
  ConvertedBeads out;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      out.push_back({colors[std::size_t(r * columns + c) % colors.size()], BeadPainted, style,
                     std::uint16_t(r), std::uint16_t(c)});
  return out;
}

TEST(Store, NewModelHoldsTheBuiltInColoursAndTheDefaultPalette) {
  TBeadPattern p(6, 9);
  ASSERT_EQ(p.BuiltInColors().size(), 3u);
  EXPECT_EQ(p.BuiltInColors()[0].NameText(), "BackGround");
  EXPECT_EQ(p.BuiltInColors()[0].Color, 0x808080u);
  EXPECT_EQ(p.BuiltInColors()[1].NameText(), "Base Color");
  EXPECT_EQ(p.BuiltInColors()[2].NameText(), "HighLight");
  EXPECT_EQ(p.BuiltInColors()[2].Color, 0xFFFFFFu);

  const char* names[] = {"Red", "Aqua", "Fuchsia", "Purple", "Teal", "Green", "Olive", "Navy", "Maroon", "Blue"};
  const char ids[] = "RAFPTGONYB";
  const TColor colors[] = {0x0000FF, 0xFFFF00, 0xFF00FF, 0x800080, 0x808000,
                           0x008000, 0x008080, 0x800000, 0x000080, 0xFF0000};
  ASSERT_EQ(p.ColorList().size(), 10u);
  for (int i = 0; i < 10; ++i) {
    const TColorEntry& e = p.ColorList()[std::size_t(i)];
    EXPECT_EQ(e.NameText(), names[i]);
    EXPECT_EQ(e.PrintIdChar(), QChar(ids[i]));
    EXPECT_EQ(e.Color, colors[i]);
    EXPECT_EQ(e.ComponentColor(), colors[i]);
    EXPECT_EQ(e.HasColor, 1);
    EXPECT_EQ(e.NamePending, 0);
  }
  EXPECT_EQ(p.BeadPattern(), BPsquare);
  EXPECT_EQ(p.BeadPatternWidth(), 20);
  EXPECT_EQ(p.BeadPatternLeft(), 5);
  EXPECT_TRUE(p.Beads().empty());
}

TEST(Store, NewChartIsAFullGridOfBaseBeads) {
  auto p = MakeChart(BPsquare, 20, 20);
  ASSERT_EQ(p->Beads().size(), 400u);
  EXPECT_EQ(p->Beads()[21].Row, 1);
  EXPECT_EQ(p->Beads()[21].Column, 1);
  for (const StoredBead& b : p->Beads()) {
    ASSERT_EQ(b.State, BeadBase);
    ASSERT_EQ(b.Color, 0xC0C0C0u);
  }
  EXPECT_TRUE(MakeChart(BPsquare, 0, 7)->Beads().empty());
  EXPECT_TRUE(MakeChart(BPbrick, 7, 0)->Beads().empty());
}

TEST(Store, CheyenneChartsAreLaidOutLikeBrick) {
  auto cheyenne = MakeChart(BPcheyenne, 6, 4);
  auto brick = MakeChart(BPbrick, 6, 4);
  EXPECT_EQ(cheyenne->PictureSize(), brick->PictureSize());
  for (std::size_t i = 0; i < brick->Beads().size(); ++i) {
    EXPECT_EQ(cheyenne->Beads()[i].Left, brick->Beads()[i].Left);
    EXPECT_EQ(cheyenne->Beads()[i].Top, brick->Beads()[i].Top);
    EXPECT_EQ(cheyenne->Beads()[i].Right, brick->Beads()[i].Right);
  }
}

TEST(Store, ImportBuildsTheChartAndADescendingPaletteOfItsColours) {
  TBeadPattern p(6, 9);
  auto list = Grid(1, 4, BPpeyote, {0x0000FF, 0x00FF00, 0x0000FF, 0xFF0000});
  ASSERT_TRUE(p.ImportBeads(list));
  ASSERT_EQ(p.ColorList().size(), 3u);
  EXPECT_EQ(p.ColorList()[0].Color, 0xFF0000u);
  EXPECT_EQ(p.ColorList()[1].Color, 0x00FF00u);
  EXPECT_EQ(p.ColorList()[2].Color, 0x0000FFu);
  for (const TColorEntry& e : p.ColorList()) {
    EXPECT_EQ(e.NameText(), "Color");
    EXPECT_EQ(e.PrintIdChar(), QChar(' '));
    EXPECT_EQ(e.NamePending, 0);
  }
  EXPECT_EQ(p.BeadPattern(), BPpeyote);
  EXPECT_EQ(p.Beads()[3].Color, 0xFF0000u);
  EXPECT_EQ(p.Beads()[3].State, BeadPainted);

  TBeadPattern q(6, 9);
  ASSERT_TRUE(q.ImportBeads(Grid(1, 1, BPsquare, {0x123456})));
  EXPECT_EQ(q.ColorList()[0].Red, 0x56);
  EXPECT_EQ(q.ColorList()[0].Green, 0x34);
  EXPECT_EQ(q.ColorList()[0].Blue, 0x12);
}

TEST(Store, ImportTakesItsSizeFromTheLastRecordAndSharesThePaletteObject) {
  TBeadPattern p(6, 9);
  auto shared = p.SharedColorList();
  ASSERT_TRUE(p.ImportBeads(Grid(15, 30, BPbrick, {1, 2, 3})));
  EXPECT_EQ(p.BeadPatternHeight(), 15);
  EXPECT_EQ(p.BeadPatternWidth(), 30);
  EXPECT_EQ(shared.get(), &p.ColorList());
  EXPECT_EQ(shared->size(), 3u);
}

TEST(Store, ImportDropsAnIncompleteLastRowAndRefusesWhatIsNoGrid) {
  TScriptedUserInterface ui;
  TScopedUI scope(ui);
  TBeadPattern p(6, 9);
  auto list = Grid(3, 5, BPsquare, {7, 8});
  list.resize(12);  // a conversion stopped two beads into the third row
  ASSERT_TRUE(p.ImportBeads(list));
  EXPECT_EQ(p.BeadPatternHeight(), 2);
  EXPECT_EQ(p.BeadPatternWidth(), 5);
  EXPECT_EQ(p.Beads().size(), 10u);
  EXPECT_TRUE(ui.Messages.empty());

  TBeadPattern q(6, 9);
  auto shuffled = Grid(2, 3, BPsquare, {7});
  std::swap(shuffled[1], shuffled[4]);
  EXPECT_FALSE(q.ImportBeads(shuffled));
  EXPECT_FALSE(q.ImportBeads({}));
  EXPECT_EQ(ui.Messages.size(), 2u);
  EXPECT_TRUE(q.Beads().empty());
  EXPECT_EQ(q.ColorList().size(), 10u);  // the palette is left alone on refusal
}

}  // namespace
