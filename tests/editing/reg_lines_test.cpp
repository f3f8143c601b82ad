#include "editing/reg_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace lumo {
namespace {

TEST(RegLines, TheViewFollowsTheNewestLineAndThe2001stIsDroppedAndCounted) {
  RegLines lines;
  // A client area of 80 pixels shows lines at 10, 22, .., 58 before a new
  // line would pass 80 - 20.
  for (int i = 0; i < 6; ++i)
    lines.Add("line " + std::to_string(i), 80);
  EXPECT_EQ(lines.top(), 0u);
  lines.Add("line 6", 80);
  EXPECT_EQ(lines.top(), 1u);
  lines.Add("line 7", 80);
  EXPECT_EQ(lines.top(), 2u);

  for (std::size_t i = lines.count(); i < RegLines::kCapacity; ++i)
    EXPECT_TRUE(lines.Add("line " + std::to_string(i), 80));
  EXPECT_FALSE(lines.Add("line 2000", 80));
  EXPECT_FALSE(lines.Add("line 2001", 80));
  EXPECT_EQ(lines.count(), RegLines::kCapacity);
  EXPECT_EQ(lines.dropped(), 2u);
  std::ostringstream out;
  lines.Write(out);
  EXPECT_NE(out.str().find("line 1999\n"), std::string::npos);
  EXPECT_EQ(out.str().find("line 2000"), std::string::npos);
  EXPECT_EQ(out.str().rfind("line 0\n", 0), 0u);
}

TEST(RegLines, ColumnsScrollWithinAHundredAndCutEveryLine) {
  RegLines lines;
  lines.Add("0123456789012345678901", 500);
  lines.Add("short", 500);
  EXPECT_TRUE(lines.ScrollColumns(RegLines::Scroll::kPageForward));
  EXPECT_EQ(lines.offset(), 16);
  EXPECT_EQ(lines.Visible(0), "678901");
  EXPECT_EQ(lines.Visible(1), "");
  EXPECT_TRUE(lines.ScrollColumns(RegLines::Scroll::kPageBack));
  EXPECT_EQ(lines.offset(), 0);
  for (int i = 0; i < 10; ++i)
    lines.ScrollColumns(RegLines::Scroll::kPageForward);
  EXPECT_EQ(lines.offset(), 100);
  EXPECT_EQ(lines.ColumnThumb(), 100);
  // A drag within four characters is ignored.
  EXPECT_FALSE(lines.ScrollColumns(RegLines::Scroll::kDrag, 97));
  EXPECT_TRUE(lines.ScrollColumns(RegLines::Scroll::kDrag, 10));
  EXPECT_EQ(lines.offset(), 10);
}

TEST(RegLines, LinesScrollWithinTheLinesHeld) {
  RegLines lines;
  EXPECT_FALSE(lines.ScrollLines(RegLines::Scroll::kPageForward));
  for (int i = 0; i < 30; ++i)
    lines.Add(std::to_string(i), 10000);
  EXPECT_TRUE(lines.ScrollLines(RegLines::Scroll::kPageForward));
  EXPECT_TRUE(lines.ScrollLines(RegLines::Scroll::kPageForward));
  EXPECT_EQ(lines.top(), 29u);
  EXPECT_EQ(lines.LineThumb(), 29 * 100 / 31);
  EXPECT_TRUE(lines.ScrollLines(RegLines::Scroll::kLineBack));
  EXPECT_EQ(lines.top(), 25u);
  EXPECT_FALSE(lines.ScrollLines(RegLines::Scroll::kDrag, 90));  // 27: within four
  EXPECT_TRUE(lines.ScrollLines(RegLines::Scroll::kDrag, 0));
  EXPECT_EQ(lines.top(), 0u);
}

}  // namespace
}  // namespace lumo
