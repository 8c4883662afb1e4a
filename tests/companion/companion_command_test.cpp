#include "companion/companion_command.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;

TEST(CompanionCommand, SwitchesItCannotDoSayNotAvailableAndBadCommandLinesSayHow) {
  const struct {
    std::vector<std::string> args;
    int exit_code;
    std::string says;
  } cases[] = {
      {{"/i"}, kExitNotAvailable, "SW_UPD.DBF (/i) is not available"},
      {{"/R"}, kExitNotAvailable, "Publishing the database (/r) is not available"},
      {{"/p Radio Kestrel Intl"}, kExitNotAvailable, "prediction (/p) is not available"},
      {{"/p", "Radio", "Kestrel"}, kExitNotAvailable, "prediction (/p) is not available"},
      {{}, kExitUsage, "No command"},
      {{"/x"}, kExitUsage, "Unknown command /x"},
      {{"--install"}, kExitUsage, "Unknown command --install"},
      {{"--import-eibi"}, kExitUsage, "needs the schedule file"},
      {{"--import-eibi", "a.csv", "--kind", "tv"}, kExitUsage, "--kind takes"},
      {{"--import-eibi", "a.csv", "--kind"}, kExitUsage, "needs a value"},
      {{"--import-eibi", "a.csv", "--range", "6200-5900"}, kExitUsage, "--range"},
      {{"--import-eibi", "a.csv", "--max-records", "10000"}, kExitUsage, "1 to 9999"},
      {{"--import-eibi", "a.csv", "--max-records", "0"}, kExitUsage, "1 to 9999"},
      {{"--import-eibi", "a.csv", "--max-records", "12x"}, kExitUsage, "1 to 9999"},
      {{"--import-eibi", "a.csv", "--shout", "x"}, kExitUsage, "Unknown option --shout"},
      {{"--import-eibi", "a.csv", "--target", "Eu,Mars"}, kExitUsage, "--target: \"MARS\""},
      {{"--help"}, kExitOk, "--import-eibi FILE.csv"},
  };
  for (const auto& c : cases) {
    const CompanionRun run = RunCompanionCommand(c.args, "/usr/bin/true");
    std::string joined;
    for (const std::string& a : c.args) joined += a + " ";
    EXPECT_EQ(run.report.exit_code, c.exit_code) << joined;
    EXPECT_NE(run.report.text.find(c.says), std::string::npos) << joined << "\n" << run.report.text;
  }
}

TEST(CompanionCommand, OptionsReachTheCommandAndTheOutputChoice) {
  testing::TempDir dir;
  testing::WriteBytes(dir / "SKEDULE.TXT", "");
  const CompanionRun run =
      RunCompanionCommand({"--text", "--folder", dir.path().string(), "/T"}, "/usr/bin/true");
  EXPECT_EQ(run.output, CompanionOutput::kText);
  EXPECT_EQ(run.report.title, "Convert schedule");
  EXPECT_NE(run.report.text.find("SKEDULE.TXT is empty"), std::string::npos) << run.report.text;

  testing::WriteBytes(dir / "in.csv",
                      "kHz;Time(UTC);Days;ITU;Station;Lng;Target;Remarks;P\r\n"
                      "9580;1000-1100;;ALS;KNLS;E;FE;ap;0\r\n"
                      "6070;1000-1100;;CAN;CFRX;E;NAm;;1\r\n"
                      "9600;1000-1100;;CHN;CNR1 Jammer;M;CHN;;1\r\n");
  const CompanionRun import =
      RunCompanionCommand({"--window", "--folder", dir.path().string(), "--import-eibi",
                           (dir / "in.csv").string(), "--range", "49m", "--range", "31m", "--kind",
                           "broadcast", "--jammers", "--target", "Na", "--max-records", "10"},
                          "/usr/bin/true");
  EXPECT_EQ(import.output, CompanionOutput::kWindow);
  ASSERT_TRUE(import.report.ok()) << import.report.text;
  // Each --range adds its band to the ones before.
  EXPECT_NE(import.report.text.find("Imported 3 lines as 3 records"), std::string::npos)
      << import.report.text;
  EXPECT_NE(import.report.text.find("broadcasts to Na ("), std::string::npos) << import.report.text;
}

TEST(CompanionCommand, InstallPutsQuornuteExeWhereTheProgramLooksAndReplacesAnOldOne) {
  testing::TempDir dir;
  testing::WriteBytes(dir / "quornute-build", "#!/bin/sh\n");
  testing::WriteBytes(dir / "QUORNUTE.EXE", "an old copy");
  const CompanionReport first = InstallCompanion(dir.path(), dir / "quornute-build");
  ASSERT_TRUE(first.ok()) << first.text;
  EXPECT_TRUE(fs::is_symlink(dir / "QUORNUTE.EXE"));
  EXPECT_TRUE(fs::equivalent(dir / "QUORNUTE.EXE", dir / "quornute-build"));
  EXPECT_FALSE(fs::exists(dir / "QUORNUTE.EXE.new"));
  EXPECT_EQ(InstallCompanion(dir / "missing", dir / "quornute-build").exit_code, kExitFailed);
}

}  // namespace
}  // namespace r8
