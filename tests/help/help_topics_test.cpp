#include "help/help_topics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace r8 {
namespace {

TEST(HelpTopics, EveryContextTheProgramOpensHasItsOwnTopic) {
  const int contexts[] = {kHelpContents,
                          kHelpUsingHelp,
                          kHelpOptions,
                          651,
                          652,
                          653,
                          654,
                          655,
                          656,
                          657,
                          kHelpPortSetup,
                          kHelpFaceplate,
                          kHelpMemory,
                          kHelpLogging,
                          kHelpProgress,
                          kHelpAbout};
  std::set<std::string> paths;
  for (int c : contexts) {
    ASSERT_TRUE(HasHelpTopic(c)) << c;
    const HelpTopic& t = HelpTopicFor(c);
    EXPECT_EQ(t.context, c);
    EXPECT_FALSE(t.title.empty());
    // Two contexts on one place would make one of them unreachable from the contents.
    EXPECT_TRUE(paths.insert(HelpTopicPath(t)).second) << HelpTopicPath(t);
  }
  EXPECT_EQ(HelpTopics().size(), std::size(contexts));
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
  for (const HelpIndexEntry& e : index) EXPECT_TRUE(HasHelpTopic(e.context)) << e.keyword;
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

}  // namespace
}  // namespace r8
