#include "help/about_info.h"

#include <gtest/gtest.h>

namespace r8 {
namespace {

TEST(AboutLabels, SystemNameVersionAndProcessorInTheirPlaces) {
  struct Case {
    SystemFacts facts;
    const char* text;
  };
  const Case cases[] = {
      {{"Example Linux 12", "6.1.0-18-amd64", "Example CPU 2.4 GHz"},
       "Example Linux 12 v6.1.0-18-amd64, Example CPU 2.4 GHz"},
      {{"Fedora Linux 39", "", "aarch64"}, "Fedora Linux 39, aarch64"},
      {{"", "6.5", ""}, "Unknown system v6.5"},
  };
  for (const Case& c : cases) EXPECT_EQ(SystemLabelText(c.facts), c.text);
}

TEST(AboutLabels, MemoryInThousandsOfBytesAndThePercentageFree) {
  struct Case {
    std::optional<MemoryFacts> facts;
    const char* text;
  };
  const Case cases[] = {
      {MemoryFacts{16'000'000'000ULL, 4'000'000'000ULL}, "16000000 kB Physical Memory, 25% Free"},
      {MemoryFacts{8'192'000'000ULL, 8'192'000'000ULL}, "8192000 kB Physical Memory, 100% Free"},
      {MemoryFacts{3'000ULL, 1'000ULL}, "3 kB Physical Memory, 33% Free"},
      // More free than there is cannot be: shown as all free.
      {MemoryFacts{1'000'000ULL, 5'000'000ULL}, "1000 kB Physical Memory, 100% Free"},
      {MemoryFacts{0, 0}, "Physical memory not known"},
      {std::nullopt, "Physical memory not known"},
  };
  for (const Case& c : cases) EXPECT_EQ(MemoryLabelText(c.facts), c.text);
}

TEST(AboutLabels, DatabaseCountsOrNotLoaded) {
  EXPECT_EQ(DatabaseLabelText(std::nullopt), "Database not loaded");
  EXPECT_EQ(DatabaseLabelText(DatabaseCounts{0, 12}), "Database not loaded");
  EXPECT_EQ(DatabaseLabelText(DatabaseCounts{1234, 567}),
            "1234 Frequencies, 567 Stations in Database");
}

TEST(AboutFacts, ReadsTheKernelsMemoryAndProcessorReports) {
  const char* meminfo =
      "MemTotal:       16314416 kB\nMemFree:          512000 kB\nMemAvailable:    8157208 kB\n";
  auto m = ParseMemInfo(meminfo);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->total_bytes, 16314416ULL * 1024);
  EXPECT_EQ(m->available_bytes, 8157208ULL * 1024);
  EXPECT_EQ(MemoryLabelText(m), "16705961 kB Physical Memory, 50% Free");

  m = ParseMemInfo("MemTotal: 1000 kB\nMemFree: 250 kB\n");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->available_bytes, 250ULL * 1024);
  EXPECT_FALSE(ParseMemInfo(""));
  EXPECT_FALSE(ParseMemInfo("MemTotal: lots\n"));
  EXPECT_FALSE(ParseMemInfo("MemTotal: 99999999999999999999999 kB\n"));

  EXPECT_EQ(ParseCpuModel("processor\t: 0\nvendor_id\t: SomeVendor\ncpu family\t: 6\n"
                          "model name\t: Example(R)  CPU @ 2.20GHz\nprocessor\t: 1\n"
                          "model name\t: other\n"),
            "Example(R) CPU @ 2.20GHz");
  EXPECT_EQ(ParseCpuModel("Processor\t: ARMv7 Processor rev 4 (v7l)\n"),
            "ARMv7 Processor rev 4 (v7l)");
  EXPECT_EQ(ParseCpuModel("processor : 0\nBogoMIPS : 50.00\n"), "");
}

}  // namespace
}  // namespace r8
