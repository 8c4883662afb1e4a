#include "common/text_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace r8 {
namespace {

// Every character is 10 units wide.
struct RecordingCanvas : TextCanvas {
  int TextWidth(std::string_view t) override { return static_cast<int>(t.size()) * 10; }
  void DrawText(int x, int y, std::string_view t) override {
    calls.push_back({x, y, std::string(t)});
  }
  struct Call {
    int x, y;
    std::string text;
    bool operator==(const Call&) const = default;
  };
  std::vector<Call> calls;
};

TEST(TextOut, AlignsOnTheReferencePoint) {
  RecordingCanvas c;
  TextOutAligned(c, 100, 5, "abcd", 'C');
  TextOutAligned(c, 100, 5, "abcd", 'R');
  TextOutAligned(c, 100, 5, "abcd", 'L');
  TextOutAligned(c, 100, 5, "abcd", 'x');
  EXPECT_EQ(c.calls, (std::vector<RecordingCanvas::Call>{
                         {80, 5, "abcd"}, {60, 5, "abcd"}, {100, 5, "abcd"}, {100, 5, "abcd"}}));
}

TEST(TextOut, TabbedPiecesGoToTheirStops) {
  RecordingCanvas c;
  TextOutTabbed(c, {2, 7, 500, 20}, "1430\tBBC\t 9580.00\tEu", "LRC", {60, 200, 300});
  EXPECT_EQ(c.calls, (std::vector<RecordingCanvas::Call>{
                         {2, 7, "1430"}, {60, 7, "BBC"}, {120, 7, " 9580.00"}, {290, 7, "Eu"}}));
}

// A field too wide for its column pushes the next one along, a space after its end, whatever the
// next one's alignment; fields that fit keep their stops.
TEST(TextOut, TabbedFieldsNeverRunIntoEachOther) {
  RecordingCanvas c;
  TextOutTabbed(c, {0, 0, 500, 10}, "1900-1958\tmtwhf\tRadio\tR\tEu", "CLRL", {86, 115, 200, 300});
  EXPECT_EQ(c.calls, (std::vector<RecordingCanvas::Call>{{0, 0, "1900-1958"},
                                                         {100, 0, "mtwhf"},
                                                         {160, 0, "Radio"},
                                                         {220, 0, "R"},
                                                         {300, 0, "Eu"}}));
}

TEST(TextOut, PiecesBeyondTheTabStopsAreNotDrawn) {
  RecordingCanvas c;
  TextOutTabbed(c, {0, 0, 100, 10}, "a\tb\tc\td", "", {30});
  EXPECT_EQ(c.calls, (std::vector<RecordingCanvas::Call>{{0, 0, "a"}, {30, 0, "b"}}));
  c.calls.clear();
  TextOutTabbed(c, {0, 0, 100, 10}, "", "", {});
  EXPECT_EQ(c.calls, (std::vector<RecordingCanvas::Call>{{0, 0, ""}}));
}

}  // namespace
}  // namespace r8
