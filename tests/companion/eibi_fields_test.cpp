#include "companion/eibi_fields.h"

#include <gtest/gtest.h>

namespace r8 {
namespace {

// Day masks: bit 0 Sunday .. bit 6 Saturday.
constexpr std::uint8_t kSu = 0x01, kMo = 0x02, kTu = 0x04, kWe = 0x08, kTh = 0x10, kFr = 0x20,
                       kSa = 0x40;

TEST(EibiFields, DaysAsTheFileWritesThem) {
  const struct {
    const char* text;
    EibiDayKind kind;
    std::uint8_t mask;
  } cases[] = {
      {"", EibiDayKind::kEveryDay, 0},
      {"Mo-Fr", EibiDayKind::kDays, kMo | kTu | kWe | kTh | kFr},
      {"We-Mo", EibiDayKind::kDays, kWe | kTh | kFr | kSa | kSu | kMo},
      {"Su-Mo", EibiDayKind::kDays, kSu | kMo},
      {"SaSu", EibiDayKind::kDays, kSa | kSu},
      {"Tu,Fr", EibiDayKind::kDays, kTu | kFr},
      {"Mo,We-Fr", EibiDayKind::kDays, kMo | kWe | kTh | kFr},
      {"1245", EibiDayKind::kDays, kMo | kTu | kTh | kFr},
      {"67", EibiDayKind::kDays, kSa | kSu},
      {"1.Sa", EibiDayKind::kDays, kSa},
      {"2.Su", EibiDayKind::kDays, kSu},
      {"Last7", EibiDayKind::kDays, kSu},
      {"LSB", EibiDayKind::kEveryDay, 0},
      {"irr", EibiDayKind::kIrregular, 0},
      {"alt", EibiDayKind::kIrregular, 0},
      {"Test", EibiDayKind::kIrregular, 0},
      {"spur", EibiDayKind::kIrregular, 0},
      {"Mo-", EibiDayKind::kIrregular, 0},
      {"8", EibiDayKind::kIrregular, 0},
      {"5Apr", EibiDayKind::kOneDate, 0},
      {"15Sep", EibiDayKind::kOneDate, 0},
      {"2,4,6Mar", EibiDayKind::kOneDate, 0},
      {"24Dec", EibiDayKind::kOneDate, 0},
  };
  for (const auto& c : cases) {
    const EibiDays d = ParseEibiDays(c.text);
    EXPECT_EQ(d.kind, c.kind) << c.text;
    EXPECT_EQ(d.mask, c.mask) << c.text;
  }
}

TEST(EibiFields, TargetsBecomeAreasInMixedCaseAndCountriesInCapitals) {
  const struct {
    const char* eibi;
    const char* code;
  } cases[] = {
      {"Eu", "Eu"},  {"WEu", "Eu"}, {"SEE", "Eu"}, {"FE", "As"},  {"SEA", "As"}, {"SAs", "As"},
      {"ME", "Me"},  {"WAf", "Af"}, {"NAf", "Af"}, {"NAm", "Na"}, {"ENA", "Na"}, {"CAm", "Ca"},
      {"SAm", "Sa"}, {"LAm", "La"}, {"EOc", "Oc"}, {"NAO", "At"}, {"CHN", "CN"}, {"KRE", "KP"},
      {"B", "BR"},   {"E", "ES"},   {"CME", "CM"}, {"ARS", "SA"}, {"WNW", "WN"}, {"", "  "},
  };
  for (const auto& c : cases) {
    const std::array<char, 2> got = MapEibiTarget(c.eibi);
    EXPECT_EQ(std::string(got.data(), 2), c.code) << c.eibi;
  }
}

TEST(EibiFields, TargetsReachAreasAndListenersNameThem) {
  const struct {
    const char* code;
    std::uint16_t areas;
  } targets[] = {
      {"Eu", kAreaEu}, {"CN", kAreaAs}, {"US", kAreaNa},
      {"SA", kAreaMe}, {"WN", 0},       {"Am", kAreaNa | kAreaCa | kAreaSa},
  };
  for (const auto& t : targets) {
    EXPECT_EQ(AreasOfTarget({t.code[0], t.code[1]}), t.areas) << t.code;
  }
  const struct {
    const char* text;
    std::optional<std::uint16_t> areas;
  } choices[] = {
      {"Eu, af", kAreaEu | kAreaAf}, {"La", kAreaCa | kAreaSa}, {"all", kAllAreas},
      {"Eu,Xx", std::nullopt},       {"", std::nullopt},
  };
  for (const auto& c : choices) {
    std::string error;
    EXPECT_EQ(ParseEibiAreas(c.text, error), c.areas) << c.text;
    EXPECT_EQ(error.empty(), c.areas.has_value()) << c.text;
  }
}

TEST(EibiFields, UtilityStationsAndTheirCodes) {
  const struct {
    const char* station;
    const char* language;
    const char* target;
    const char* persistence;
    const char* code;  // "" for a broadcast
    const char* days = "";
    bool jammer = false;
    bool digital = false;
  } cases[] = {
      {"BBC", "E", "Eu", "1", ""},
      {"Radio Europa", "-MX", "Eu", "1", ""},
      {"China Radio Int.", "E", "Eu", "95", "UTIL"},
      {"RJH69 Molodechno", "-TS", "EEu", "1", "TIME"},
      {"RDL Russian Navy", "-CW", "RUS", "1", "NAVY"},
      {"4XZ Haifa", "-CW", "", "1", "CW  "},
      {"Kaliningrad Radio", "-TY", "Eu", "1", "RTTY"},
      {"Reykjavik HFDL (ID3)", "-HF", "NAO", "1", "HFDL"},
      {"DWD Pinneberg Met Fax", "", "Eu", "1", "FAX "},
      {"Beijing Volmet x15,x45", "E", "FE", "1", "VOLM"},
      {"Shannon Aeradio A", "E", "NAO", "1", "AERO"},
      {"New York Radio", "E", "NAO", "1", "UTIL"},
      {"Humber Coastguard Wx", "E", "WEu", "2", "WX  "},
      {"E11 Polish Spy Numbers", "E", "", "1", "NUMB"},
      {"Fairfax Gospel Radio", "E", "NAm", "1", ""},
      {"Samara-Aero", "R", "RUS", "1", "AERO"},
      {"EFR Teleswitch", "", "CEu", "1", "UTIL"},
      {"Music 4 Joy DIGITAL", "", "Eu", "1", "", "", false, true},
      {"All India Radio", "E", "Eu", "1", "", "DRM", false, true},
  };
  for (const auto& c : cases) {
    const EibiLineKind k = ClassifyEibiLine(c.station, c.language, c.target, c.persistence, c.days);
    EXPECT_EQ(k.utility, *c.code != '\0') << c.station;
    EXPECT_EQ(k.code, c.code) << c.station;
    EXPECT_EQ(k.jammer, c.jammer) << c.station;
    EXPECT_EQ(k.digital, c.digital) << c.station;
  }
}

TEST(EibiFields, BroadcastsAreCutIntoClockHoursAndContinueOnTheNextDay) {
  const struct {
    const char* times;
    std::vector<HourPiece> pieces;
  } cases[] = {
      {"0500-0900", {{500, 600, false}, {600, 700, false}, {700, 800, false}, {800, 900, false}}},
      {"0530-0645", {{530, 600, false}, {600, 645, false}}},
      {"1315-1345", {{1315, 1345, false}}},
      {"2300-2400", {{2300, 2400, false}}},
      {"2230-0110", {{2230, 2300, false}, {2300, 2400, false}, {0, 100, true}, {100, 110, true}}},
      {"2359-0001", {{2359, 2400, false}, {0, 1, true}}},
      {"1241-1241", {}},
  };
  for (const auto& c : cases) {
    const std::optional<EibiTimes> t = ParseEibiTimes(c.times);
    ASSERT_TRUE(t) << c.times;
    const std::vector<HourPiece> got = SplitIntoHours(t->start, t->stop);
    ASSERT_EQ(got.size(), c.pieces.size()) << c.times;
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].start, c.pieces[i].start) << c.times << " piece " << i;
      EXPECT_EQ(got[i].stop, c.pieces[i].stop) << c.times << " piece " << i;
      EXPECT_EQ(got[i].next_day, c.pieces[i].next_day) << c.times << " piece " << i;
    }
  }
  for (const char* bad : {"2400-0100", "0060-0100", "0000-2401", "0000-2460", "000-0100",
                          "0000_0100", "0000-01OO", "0000-0100 "}) {
    EXPECT_FALSE(ParseEibiTimes(bad)) << bad;
  }
  EXPECT_EQ(NextDayMask(kSa), kSu);
  EXPECT_EQ(NextDayMask(kMo | kFr), kTu | kSa);
  EXPECT_EQ(NextDayMask(0), 0);
}

TEST(EibiFields, DateFieldsAndFrequencyChoices) {
  for (const char* good : {"", "2903", "2510", "[0626]", "3006[0725]"}) {
    EXPECT_TRUE(IsWellFormedEibiDate(good, true)) << good;
  }
  for (const char* bad : {"28021", "3107f", "3200", "[1326]", "[0626"}) {
    EXPECT_FALSE(IsWellFormedEibiDate(bad, true)) << bad;
  }
  EXPECT_FALSE(IsWellFormedEibiDate("[0626]", false));

  std::string error;
  const auto ranges = ParseFreqRanges("5900-6200, 31m mw;9818.5-9818.5", error);
  ASSERT_TRUE(ranges) << error;
  EXPECT_EQ(*ranges,
            (std::vector<FreqRange>{{5900, 6200}, {9400, 9900}, {520, 1710}, {9818.5, 9818.5}}));
  for (const char* bad : {"", "6200-5900", "49", "abc", "-100", "100-"}) {
    EXPECT_FALSE(ParseFreqRanges(bad, error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
}

}  // namespace
}  // namespace r8
