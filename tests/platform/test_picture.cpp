#include "platform/Picture.h"
#include "platform/ScriptedUserInterface.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Colors, ConvertBetweenColourValuesAndQRgb) {
  EXPECT_EQ(ToQRgb(0xFF0000u), 0xFF0000FFu);  // pure blue
  EXPECT_EQ(ToQRgb(0x123456u), 0xFF563412u);
  EXPECT_EQ(FromQRgb(0x80563412u), 0x123456u);
  EXPECT_EQ(MakeColor(0x56, 0x34, 0x12), 0x123456u);
}

TEST(Picture, RectanglesExcludeRightAndBottomAndPixelsOutsideReadWhite) {
  TPicture p(10, 8);
  p.Fill(0x000000);
  p.FillRect(2, 3, 5, 6, 0x0000FF);
  EXPECT_EQ(p.Pixel(2, 3), 0x0000FFu);
  EXPECT_EQ(p.Pixel(4, 5), 0x0000FFu);
  EXPECT_EQ(p.Pixel(5, 5), 0u);
  EXPECT_EQ(p.Pixel(4, 6), 0u);
  EXPECT_EQ(p.Pixel(-1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(p.Pixel(10, 0), 0xFFFFFFFFu);
  EXPECT_EQ(p.Pixel(0, 8), 0xFFFFFFFFu);
}

TEST(Picture, DrawClipsAtEveryEdge) {
  TPicture dst(6, 6), src(4, 4);
  dst.Fill(0);
  src.Fill(0x00FF00);
  src.SetPixel(0, 0, 0x0000FF);
  dst.Draw(-1, -1, src);  // top-left corner cut off
  dst.Draw(4, 4, src);    // bottom-right, mostly outside
  EXPECT_EQ(dst.Pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(dst.Pixel(2, 2), 0x00FF00u);
  EXPECT_EQ(dst.Pixel(3, 3), 0u);
  EXPECT_EQ(dst.Pixel(4, 4), 0x0000FFu);
  EXPECT_EQ(dst.Pixel(5, 5), 0x00FF00u);
  dst.Draw(100, 100, src);  // wholly outside: nothing happens
}

TEST(Picture, SaveReplacesTheFileWholeOrReportsFailure) {
  QTemporaryDir dir;
  TPicture p(3, 2);
  p.Fill(0x123456);
  const QString name = dir.filePath("p.bmp");
  ASSERT_TRUE(p.Save(name));
  QImage back(name);
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(FromQRgb(back.pixel(2, 1)), 0x123456u);

  QString error;
  EXPECT_FALSE(p.Save(dir.filePath("missing/dir/p.bmp"), &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(UserInterfaceSeam, ScriptedAnswersAndRecordsAndRestores) {
  TScriptedUserInterface scripted;
  scripted.Answers = {TAnswer::No};
  {
    TScopedUI scope(scripted);
    EXPECT_EQ(UI().MessageBox("Q?", "Warnning", TButtons::YesNoCancel, TIcon::None), TAnswer::No);
    ShowError("Paint Bead Failure ");
    ShowSystemError("No such file");
  }
  ASSERT_EQ(scripted.Messages.size(), 3u);
  EXPECT_EQ(scripted.Messages[1].Caption, "Error");
  EXPECT_EQ(scripted.Messages[1].Text, "Paint Bead Failure ");
  EXPECT_EQ(scripted.Messages[2].Caption, "GetLastError");
  EXPECT_EQ(scripted.Messages[2].Icon, TIcon::Information);
  EXPECT_NE(&UI(), &scripted);
}
