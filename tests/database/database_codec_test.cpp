#include "database/database_codec.h"

#include <gtest/gtest.h>

#include "support/database_builder.h"

namespace r8 {
namespace {

using testing::DistRecord;
using testing::DistributionRecordBytes;
using testing::Rec;
using testing::SavedRecordBytes;

std::span<const std::uint8_t, kScheduleRecordSize> Span(const std::string& bytes) {
  return std::span<const std::uint8_t, kScheduleRecordSize>(
      reinterpret_cast<const std::uint8_t*>(bytes.data()), kScheduleRecordSize);
}

TEST(DetectLayout, FirstWordDecidesAndUnreadableStartsAreTheSavedForm) {
  struct Case {
    std::string head;
    DatabaseLayout layout;
  };
  const Case cases[] = {
      {std::string("\0\0", 2), DatabaseLayout::kSaved},  // a saved table starting at 0000
      {"0000", DatabaseLayout::kDistribution},           // digits as text
      {"1430", DatabaseLayout::kDistribution},
      {"24hr", DatabaseLayout::kDistribution},
      {"Util", DatabaseLayout::kDistribution},
      {std::string("\x1E\0", 2), DatabaseLayout::kSaved},    // saved, first record at 0030
      {std::string("\x60\x09", 2), DatabaseLayout::kSaved},  // saved, first record all-day
      {"", DatabaseLayout::kSaved},
      {"0", DatabaseLayout::kSaved},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.head);
    EXPECT_EQ(DetectLayout(c.head), c.layout);
  }
}

TEST(DistributionForm, TimesAllDayAndUtilityRecordsConvert) {
  struct Case {
    DistRecord in;
    std::int16_t start;
    std::int16_t stop;
  };
  const Case cases[] = {
      {{"1430", "1600"}, 1430, 1600},
      {{"0000", "0030"}, 0, 30},
      {{"24hr", "xxxx"}, 2400, 0},
      // "Util": the code characters, low byte first, as StartTime and StopTime.
      {{"Util", "FAX1"},
       static_cast<std::int16_t>('F' | 'A' << 8),
       static_cast<std::int16_t>('X' | '1' << 8)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in.start);
    DistRecord in = c.in;
    in.days = 0x41;
    in.station = 513;
    in.freq_khz = 15400;
    in.target = "Af";
    in.heard = 'T';
    const ScheduleRecord r = DecodeDistributionRecord(Span(DistributionRecordBytes(in)));
    EXPECT_EQ(r.StartTime, c.start);
    EXPECT_EQ(r.StopTime, c.stop);
    EXPECT_EQ(r.Days, 0x41);
    EXPECT_EQ(r.StationIndex, 513);
    EXPECT_EQ(r.Freq, 15400.0);
    EXPECT_EQ(r.Target, (std::array<char, 2>{'A', 'f'}));
    EXPECT_EQ(r.Heard, 'T');
  }
  const ScheduleRecord util =
      DecodeDistributionRecord(Span(DistributionRecordBytes({"Util", "FAX1"})));
  EXPECT_EQ(BucketOf(util), kUtilityBucket);
  EXPECT_EQ(TimeRangeText(util, true), "Util-FAX1");
  const ScheduleRecord all_day =
      DecodeDistributionRecord(Span(DistributionRecordBytes({"24hr", "0000"})));
  EXPECT_EQ(BucketOf(all_day), kAllDayBucket);
}

TEST(DistributionForm, NonDigitTimesAndNegativeFrequenciesDecodeWithoutFault) {
  DistRecord in{"\xFF\xFF\xFF\xFF", "zzzz"};
  in.freq_khz = -5;
  const ScheduleRecord r = DecodeDistributionRecord(Span(DistributionRecordBytes(in)));
  EXPECT_EQ(r.Freq, -5.0);
  // The value is whatever the digits make, kept to 16 bits.
  EXPECT_EQ(r.StartTime, static_cast<std::int16_t>(207 * 1111));
}

TEST(SavedForm, RecordBytesAreTheLayoutFieldByField) {
  ScheduleRecord r = Rec(1430, 1600, 0x1234, 9580.0, 0x3E, "NA", 'T');
  const RecordBytes b = EncodeSavedRecord(r);
  const RecordBytes expected = {0x96, 0x05,                          // 1430
                                0x40, 0x06,                          // 1600
                                0x3E,                                // days
                                0x34, 0x12,                          // station
                                0x8E, 0x00, 0x00, 0x00, 0xB0, 0x15,  // 9580.0
                                'N',  'A',  'T'};
  EXPECT_EQ(b, expected);
  EXPECT_EQ(DecodeSavedRecord(b), r);
  EXPECT_EQ(std::string(b.begin(), b.end()), SavedRecordBytes(r));
}

TEST(SavedForm, EveryFieldSurvivesARoundTripIncludingUtilityCodes) {
  const ScheduleRecord records[] = {
      Rec(0, 30, 1, 5950.0), Rec(2359, 2400, 999, 29999.875, 0x7F, "Oc", 'T'),
      Rec(kAllDay, 0, 7, 15400.0), testing::UtilRec("CB  ", 3, 27185.0, 'T'),
      Rec(-1, -32768, 65535, -12.5, 0xFF, "\xE9\xFC", '?')};
  for (const ScheduleRecord& r : records) {
    SCOPED_TRACE(r.Freq);
    EXPECT_EQ(DecodeSavedRecord(EncodeSavedRecord(r)), r);
  }
}

TEST(DecodeSchedule, PartialRecordsAndExcessRecordsAreCountedNotRead) {
  StationDatabase db;
  std::string bytes =
      SavedRecordBytes(Rec(0, 100, 1, 9580)) + SavedRecordBytes(Rec(100, 200, 1, 6000));
  bytes += "12345";  // not a whole record
  TableDecodeReport r = DecodeSchedule(bytes, DatabaseLayout::kSaved, db);
  EXPECT_EQ(r.in_file, 2u);
  EXPECT_EQ(r.loaded, 2u);
  EXPECT_EQ(r.trailing_bytes, 5u);
  EXPECT_FALSE(r.truncated());
  EXPECT_EQ(db.count(), 2);
  // Only the start of a file too large for the table is in memory; the rest is counted.
  r = DecodeSchedule(bytes.substr(0, 16), DatabaseLayout::kSaved, db, nullptr, 16 * 20000 + 3);
  EXPECT_EQ(r.in_file, 20000u);
  EXPECT_EQ(r.loaded, 1u);
  EXPECT_TRUE(r.truncated());
  EXPECT_EQ(db.count(), 1);
}

TEST(DecodeStations, NamesAreTakenAsTheyStandAndPartialNamesIgnored) {
  StationTable t;
  const std::string bytes =
      std::string("Radio One  with spaces   ") + "Second station name here!" + "tail";
  const TableDecodeReport r = DecodeStations(bytes, t);
  EXPECT_EQ(r.loaded, 2u);
  EXPECT_EQ(r.trailing_bytes, 4u);
  EXPECT_EQ(t.Name(1), "Radio One  with spaces   ");
  EXPECT_EQ(t.Name(2), "Second station name here!");
  EXPECT_EQ(EncodeStations(t), bytes.substr(0, 50));
}

}  // namespace
}  // namespace r8
