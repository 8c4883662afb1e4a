#include "database/demo_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "common/format.h"
#include "database/database_files.h"
#include "database/station_query.h"
#include "emulator/signal_band.h"
#include "support/temp_dir.h"

namespace r8 {
namespace {

TEST(DemoDatabase, EveryCarrierOfTheEmulatedBandHasAStationAtEveryHourOfEveryDay) {
  StationDatabase db;
  FillDemoDatabase(db);
  auto results = std::make_unique<QueryResults>();
  QueryPorts ports;
  int checked = 0;
  for (const emulator::Carrier& c : emulator::Carriers()) {
    const double khz = c.freq_10hz / 100.0;
    if (khz >= 30000) continue;  // the VHF carriers have no shortwave schedule
    for (int hour = 0; hour < 24; ++hour) {
      for (int minute : {0, 15, 45}) {
        const std::string time = IntToTime4(hour * 100 + minute);
        for (char day : std::string("smtwhfa")) {
          StationQuery(db, *results, ports, QueryTarget::kFacePlate, QueryKind::kOnFrequency,
                       std::to_string(khz), time, day);
          ASSERT_GT(results->face_plate.count(), 0) << khz << " kHz at " << time << " " << day;
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 0);
}

TEST(DemoDatabase, IsARealisticTableInBucketOrderThatSavesAndLoadsBack) {
  StationDatabase db;
  FillDemoDatabase(db);
  EXPECT_GE(db.count(), 300);
  EXPECT_LE(db.count(), 1000);
  EXPECT_EQ(db.Record(1).StartTime, 0);
  int previous_bucket = 0;
  std::set<std::string> codes;
  for (int i = 1; i <= db.count(); ++i) {
    const ScheduleRecord& r = db.Record(i);
    EXPECT_GE(BucketOf(r), previous_bucket) << i;
    previous_bucket = BucketOf(r);
    EXPECT_NE(db.StationNameOf(r), std::string(25, ' ')) << i;
    if (IsUtility(r)) {
      codes.insert(UtilityCode(r));
    } else {
      EXPECT_GE(r.Freq, 2000.0) << i;
      EXPECT_LE(r.Freq, 26100.0) << i;
    }
  }
  for (int h = 0; h <= kUtilityBucket; ++h) EXPECT_FALSE(db.BucketRange(h).empty()) << h;
  EXPECT_TRUE(codes.count("BCB ") && codes.count("CB  ") && codes.size() > 2);
  EXPECT_EQ(db.DatabaseChanged(), 0);

  testing::TempDir dir;
  std::string error;
  ASSERT_TRUE(WriteDemoDatabase(dir.path(), error)) << error;
  StationDatabase back;
  const LoadResult r = LoadDatabaseFiles(dir.path(), back, nullptr);
  EXPECT_EQ(r.status, LoadStatus::kLoaded);
  EXPECT_EQ(r.layout, DatabaseLayout::kSaved);
  EXPECT_TRUE(std::equal(back.records().begin(), back.records().end(), db.records().begin(),
                         db.records().end()));
  EXPECT_EQ(back.stations(), db.stations());
}

TEST(DemoDatabase, TheSeedDecidesTheTable) {
  StationDatabase a;
  StationDatabase b;
  StationDatabase c;
  FillDemoDatabase(a, 5);
  FillDemoDatabase(b, 5);
  FillDemoDatabase(c, 6);
  EXPECT_TRUE(
      std::equal(a.records().begin(), a.records().end(), b.records().begin(), b.records().end()));
  EXPECT_FALSE(
      std::equal(a.records().begin(), a.records().end(), c.records().begin(), c.records().end()));
}

}  // namespace
}  // namespace r8
