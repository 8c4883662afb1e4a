#include "help/help_topics.h"

#include <algorithm>

#include "common/format.h"

namespace r8 {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

}  // namespace

const std::vector<HelpTopic>& HelpTopics() {
  static const std::vector<HelpTopic> topics = {
      {kHelpContents, "Contents", "contents.html", "", -1},
      {kHelpUsingHelp, "Using help", "using_help.html", "", -1},
      {kHelpFaceplate, "Faceplate operation", "faceplate.html", "", -1},
      {kHelpOptions, "Options", "options.html", "", -1},
      {651, "Comms page", "options.html", "comms", kHelpOptions},
      {652, "Time page", "options.html", "time", kHelpOptions},
      {653, "Radio page", "options.html", "radio", kHelpOptions},
      {654, "Scan page", "options.html", "scan", kHelpOptions},
      {655, "Log page", "options.html", "log", kHelpOptions},
      {656, "Display page", "options.html", "display", kHelpOptions},
      {657, "General page", "options.html", "general", kHelpOptions},
      {kHelpPortSetup, "Port setup", "port_setup.html", "", kHelpOptions},
      {kHelpDatabase, "Station database", "database.html", "", -1},
      {kHelpMemory, "Memory management", "memory.html", "", -1},
      {kHelpLogging, "Logging system", "logging.html", "", -1},
      {kHelpExportFormat, "Log export formats", "log_formats.html", "export", kHelpLogging},
      {kHelpReportFormat, "Log report formats", "log_formats.html", "report", kHelpLogging},
      {kHelpProgress, "Progress and printing windows", "progress.html", "", -1},
      {kHelpAbout, "About the program", "about.html", "", -1},
  };
  return topics;
}

const HelpTopic& HelpTopicFor(int context) {
  for (const HelpTopic& t : HelpTopics()) {
    if (t.context == context) return t;
  }
  return HelpTopics().front();
}

const HelpTopic& HelpTopicAt(std::string_view file, std::string_view anchor) {
  const HelpTopic* top = nullptr;
  for (const HelpTopic& t : HelpTopics()) {
    if (t.file != file) continue;
    if (t.anchor == anchor) return t;
    if (t.anchor.empty()) top = &t;
  }
  return top ? *top : HelpTopics().front();
}

std::string HelpTopicPath(const HelpTopic& t) {
  std::string path(t.file);
  if (!t.anchor.empty()) path += "#" + std::string(t.anchor);
  return path;
}

int OptionsPageHelpContext(int page) {
  return page >= 0 && page < 7 ? kHelpOptionsFirstPage + page : kHelpOptions;
}

const std::vector<HelpIndexEntry>& HelpIndex() {
  static const std::vector<HelpIndexEntry> index = [] {
    std::vector<HelpIndexEntry> v = {
        {"A=B (copy VFO)", kHelpFaceplate},
        {"About box", kHelpAbout},
        {"Database files", kHelpDatabase},
        {"Dump database (SKEDULE.TXT)", kHelpDatabase},
        {"EiBi schedules", kHelpDatabase},
        {"Import database", kHelpDatabase},
        {"Open database", kHelpDatabase},
        {"Publish database", kHelpDatabase},
        {"Save database", kHelpDatabase},
        {"Station database", kHelpDatabase},
        {"Station list (who is on now)", kHelpDatabase},
        {"Swap database", kHelpDatabase},
        {"AGC", kHelpFaceplate},
        {"Alternate antenna band", 653},
        {"Antenna, choosing", kHelpFaceplate},
        {"Antenna, primary HF", 653},
        {"Back and Forward (help)", kHelpUsingHelp},
        {"Band display (kHz/MHz)", 656},
        {"Bandwidth", kHelpFaceplate},
        {"Banks, memory scan", 654},
        {"Brightness of the receiver display", 656},
        {"Character pacing", 651},
        {"Clock display, local or UTC", 656},
        {"Clock, faceplate", kHelpFaceplate},
        {"Clock, setting the computer's", 652},
        {"Clocks of the receiver, setting", 656},
        {"Colours of marked stations", 657},
        {"Comms indicator", kHelpFaceplate},
        {"Connect and disconnect", kHelpFaceplate},
        {"Contents (help)", kHelpUsingHelp},
        {"Database record counts", kHelpAbout},
        {"Delay, scan", 654},
        {"Device for a port", kHelpPortSetup},
        {"Display mode of the receiver", 656},
        {"Emulated receiver", kHelpPortSetup},
        {"F1 key", kHelpUsingHelp},
        {"First start", kHelpOptions},
        {"Frequency entry", kHelpFaceplate},
        {"Hints", 657},
        {"Index (help)", kHelpUsingHelp},
        {"Keyboard shortcuts", kHelpFaceplate},
        {"Keypad", kHelpFaceplate},
        {"Line pacing", 651},
        {"Listener's details (log reports)", 655},
        {"Log export format", kHelpExportFormat},
        {"Log report format", kHelpReportFormat},
        {"Local time display (12 or 24 hours)", 652},
        {"Logging system", kHelpLogging},
        {"Memory management", kHelpMemory},
        {"Memory mode", kHelpFaceplate},
        {"Memory tune mode", kHelpFaceplate},
        {"Meter", kHelpFaceplate},
        {"Mode (AM, FM, CW, RTTY, LSB, USB)", kHelpFaceplate},
        {"Name mode control", 656},
        {"Noise blanker", kHelpFaceplate},
        {"Notch", kHelpFaceplate},
        {"Offset list", kHelpFaceplate},
        {"Options dialog", kHelpOptions},
        {"Port setup", kHelpPortSetup},
        {"Power", kHelpFaceplate},
        {"Printing status window", kHelpProgress},
        {"Progress window", kHelpProgress},
        {"Radio sensing (DSR)", 651},
        {"Receiver model", 653},
        {"Receiver port", 651},
        {"RF (attenuator, preamplifier)", kHelpFaceplate},
        {"Scan parameters", 654},
        {"Serial port", 651},
        {"Small step size", 653},
        {"Step list", kHelpFaceplate},
        {"Step size key of the receiver", 656},
        {"Synchro", kHelpFaceplate},
        {"System summary", kHelpAbout},
        {"Tape VOX", kHelpFaceplate},
        {"Tuning", kHelpFaceplate},
        {"UT time offset", 652},
        {"VFO A and B", kHelpFaceplate},
    };
    std::sort(v.begin(), v.end(), [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
      return Lower(a.keyword) < Lower(b.keyword);
    });
    return v;
  }();
  return index;
}

std::vector<HelpIndexEntry> MatchHelpIndex(std::string_view typed) {
  const std::string key = Lower(TrimStr(typed));
  std::vector<HelpIndexEntry> starts;
  std::vector<HelpIndexEntry> contains;
  for (const HelpIndexEntry& e : HelpIndex()) {
    const std::string k = Lower(e.keyword);
    if (k.rfind(key, 0) == 0) {
      starts.push_back(e);
    } else if (k.find(key) != std::string::npos) {
      contains.push_back(e);
    }
  }
  starts.insert(starts.end(), contains.begin(), contains.end());
  return starts;
}

}  // namespace r8
