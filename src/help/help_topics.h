// The program's help: its topics, the context numbers windows open them with, the contents tree
// and the keyword index. The pages themselves are HTML files shipped inside the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace r8 {

inline constexpr int kHelpContents = 0;
inline constexpr int kHelpUsingHelp = 1;
inline constexpr int kHelpOptions = 650;
// The Options dialog's pages, in page order (651 "Comms" .. 657 "General").
inline constexpr int kHelpOptionsFirstPage = 651;
inline constexpr int kHelpPortSetup = 658;
inline constexpr int kHelpFaceplate = 950;
inline constexpr int kHelpDatabase = 520;
inline constexpr int kHelpMemory = 955;
inline constexpr int kHelpLogging = 960;
// The format editor with an export format, and with a report format.
inline constexpr int kHelpExportFormat = 634;
inline constexpr int kHelpReportFormat = 636;
inline constexpr int kHelpProgress = 965;
inline constexpr int kHelpAbout = 970;

struct HelpTopic {
  int context = kHelpContents;
  std::string_view title;
  std::string_view file;    // within the help folder
  std::string_view anchor;  // "" for the top of the file
  int parent = -1;          // the context of the topic it sits under in the contents, -1 for none
};

// Every topic, in contents order.
const std::vector<HelpTopic>& HelpTopics();
// The topic of a context number; the contents page for a number that has none.
const HelpTopic& HelpTopicFor(int context);
// The topic a page of the help shows ("options.html", "scan"); the contents for an unknown one.
const HelpTopic& HelpTopicAt(std::string_view file, std::string_view anchor);
// "options.html#scan"
std::string HelpTopicPath(const HelpTopic& t);

int OptionsPageHelpContext(int page);

struct HelpIndexEntry {
  std::string_view keyword;
  int context = kHelpContents;
};
// The index, sorted by keyword without regard to case.
const std::vector<HelpIndexEntry>& HelpIndex();
// Entries whose keyword starts with typed (any case), then those that only contain it; all of
// them for an empty text.
std::vector<HelpIndexEntry> MatchHelpIndex(std::string_view typed);

}  // namespace r8
