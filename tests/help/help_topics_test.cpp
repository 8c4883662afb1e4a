#include "help/help_topics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "help/about_info.h"

namespace r8 {
namespace {

TEST(HelpTopics, EveryContextTheProgramOpensHasItsOwnTopic) {
  std::vector<int> contexts = {kHelpContents,  kHelpUsingHelp, kHelpOptions, kHelpPortSetup,
                               kHelpFaceplate, kHelpDatabase,  kHelpMemory,  kHelpLogging,
                               kHelpProgress,  kHelpAbout,     kHelpExportFormat,
                               kHelpReportFormat};
  for (int page = 651; page <= 657; ++page) contexts.push_back(page);  // the Options pages
  std::set<std::string> paths;
  for (int c : contexts) {
    const HelpTopic& t = HelpTopicFor(c);
    EXPECT_EQ(t.context, c);
    EXPECT_FALSE(t.title.empty());
    // Two contexts on one place would make one of them unreachable from the contents.
    EXPECT_TRUE(paths.insert(HelpTopicPath(t)).second) << HelpTopicPath(t);
  }
  EXPECT_EQ(HelpTopics().size(), contexts.size());
}

TEST(HelpTopics, OptionsPagesMapToTheirSections) {
  const char* anchors[] = {"comms", "time", "radio", "scan", "log", "display", "general"};
  for (int page = 0; page < 7; ++page) {
    const HelpTopic& t = HelpTopicFor(OptionsPageHelpContext(page));
    EXPECT_EQ(HelpTopicPath(t), std::string("options.html#") + anchors[page]);
    EXPECT_EQ(t.parent, kHelpOptions);
  }
  EXPECT_EQ(OptionsPageHelpContext(7), kHelpOptions);
  EXPECT_EQ(OptionsPageHelpContext(-1), kHelpOptions);
}

TEST(HelpTopics, UnknownPlacesFallBackSensibly) {
  EXPECT_EQ(HelpTopicFor(12345).context, kHelpContents);
  EXPECT_EQ(HelpTopicFor(-1).context, kHelpContents);
  EXPECT_EQ(HelpTopicAt("options.html", "scan").context, 654);
  EXPECT_EQ(HelpTopicAt("options.html", "").context, kHelpOptions);
  // An anchor inside a topic that has no topic of its own belongs to that topic.
  EXPECT_EQ(HelpTopicAt("faceplate.html", "tuning").context, kHelpFaceplate);
  EXPECT_EQ(HelpTopicAt("nowhere.html", "").context, kHelpContents);
}

TEST(HelpIndex, IsSortedAndLeadsOnlyToTopicsThatExist) {
  const auto& index = HelpIndex();
  ASSERT_FALSE(index.empty());
  auto lower = [](std::string_view s) {
    std::string o(s);
    std::transform(o.begin(), o.end(), o.begin(), [](unsigned char c) { return std::tolower(c); });
    return o;
  };
  for (std::size_t i = 1; i < index.size(); ++i) {
    EXPECT_LE(lower(index[i - 1].keyword), lower(index[i].keyword));
  }
  for (const HelpIndexEntry& e : index) {
    EXPECT_EQ(HelpTopicFor(e.context).context, e.context) << e.keyword;
  }
}

TEST(HelpIndex, TypedWordsFindKeywordsThatStartWithThemFirst) {
  const auto found = MatchHelpIndex("SCAN");
  ASSERT_GE(found.size(), 3u);
  EXPECT_EQ(found.front().keyword, "Scan parameters");
  const auto contains = std::find_if(found.begin(), found.end(), [](const HelpIndexEntry& e) {
    return e.keyword == "Banks, memory scan";
  });
  EXPECT_NE(contains, found.end());
  EXPECT_EQ(MatchHelpIndex("  ").size(), HelpIndex().size());
  EXPECT_TRUE(MatchHelpIndex("zzzz").empty());
}

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
