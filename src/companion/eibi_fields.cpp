#include "companion/eibi_fields.h"

#include <algorithm>

#include "common/format.h"

namespace r8 {
namespace {

// EiBi weekday names, in the bit order of the day mask (Sunday first).
constexpr std::array<std::string_view, 7> kDayNames = {"su", "mo", "tu", "we", "th", "fr", "sa"};

constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                      "jul", "aug", "sep", "oct", "nov", "dec"};

// Transmission modes some lines carry where the days go; the broadcast itself is daily.
constexpr std::array<std::string_view, 6> kModeWords = {"usb", "lsb", "am", "cw", "fm", "drm"};

struct CodePair {
  std::string_view from;
  std::string_view to;
};

// EiBi's areas by continent or ocean. Compass prefixes (WEu, NAf, SOc, ...) are taken off before a
// second look-up, so only the areas whose name is not "prefix + area" stand here.
constexpr CodePair kAreas[] = {
    {"Eu", "Eu"},  {"SEE", "Eu"}, {"CIS", "Eu"}, {"Bal", "Eu"}, {"Sca", "Eu"}, {"As", "As"},
    {"FE", "As"},  {"SEA", "As"}, {"SAs", "As"}, {"CAs", "As"}, {"NAs", "As"}, {"Sib", "As"},
    {"Tib", "As"}, {"NIn", "As"}, {"SIn", "As"}, {"Cau", "As"}, {"ME", "Me"},  {"Af", "Af"},
    {"Am", "Am"},  {"NAm", "Na"}, {"ENA", "Na"}, {"WNA", "Na"}, {"CNA", "Na"}, {"CAm", "Ca"},
    {"Car", "Ca"}, {"SAm", "Sa"}, {"LAm", "La"}, {"Oc", "Oc"},  {"Tas", "Oc"}, {"NAO", "At"},
    {"SAO", "At"}, {"AO", "At"},  {"IOc", "Io"},
};

// ITU country symbols as EiBi writes them, with the ISO 3166 two-letter code.
constexpr CodePair kCountries[] = {
    {"AFG", "AF"}, {"AFS", "ZA"}, {"AGL", "AO"}, {"ALB", "AL"}, {"ALG", "DZ"}, {"ARG", "AR"},
    {"ARM", "AM"}, {"ARS", "SA"}, {"ATA", "AQ"}, {"AUS", "AU"}, {"AUT", "AT"}, {"AZE", "AZ"},
    {"B", "BR"},   {"BEL", "BE"}, {"BER", "BM"}, {"BGD", "BD"}, {"BHR", "BH"}, {"BIH", "BA"},
    {"BLR", "BY"}, {"BOL", "BO"}, {"BOT", "BW"}, {"BTN", "BT"}, {"BUL", "BG"}, {"CAN", "CA"},
    {"CBG", "KH"}, {"CHL", "CL"}, {"CHN", "CN"}, {"CLM", "CO"}, {"CLN", "LK"}, {"CME", "CM"},
    {"COD", "CD"}, {"CTI", "CI"}, {"CTR", "CR"}, {"CUB", "CU"}, {"CVA", "VA"}, {"CYP", "CY"},
    {"CZE", "CZ"}, {"D", "DE"},   {"DNK", "DK"}, {"DOM", "DO"}, {"E", "ES"},   {"EGY", "EG"},
    {"EQA", "EC"}, {"EST", "EE"}, {"ETH", "ET"}, {"F", "FR"},   {"FIN", "FI"}, {"FJI", "FJ"},
    {"G", "GB"},   {"GEO", "GE"}, {"GHA", "GH"}, {"GRC", "GR"}, {"GRL", "GL"}, {"GTM", "GT"},
    {"GUM", "GU"}, {"GUY", "GY"}, {"HKG", "HK"}, {"HND", "HN"}, {"HNG", "HU"}, {"HOL", "NL"},
    {"HRV", "HR"}, {"HTI", "HT"}, {"I", "IT"},   {"IND", "IN"}, {"INS", "ID"}, {"IRL", "IE"},
    {"IRN", "IR"}, {"IRQ", "IQ"}, {"ISL", "IS"}, {"ISR", "IL"}, {"J", "JP"},   {"JOR", "JO"},
    {"KAZ", "KZ"}, {"KEN", "KE"}, {"KGZ", "KG"}, {"KOR", "KR"}, {"KRE", "KP"}, {"KWT", "KW"},
    {"LAO", "LA"}, {"LBN", "LB"}, {"LBR", "LR"}, {"LBY", "LY"}, {"LTU", "LT"}, {"LVA", "LV"},
    {"MDA", "MD"}, {"MDG", "MG"}, {"MEX", "MX"}, {"MLA", "MY"}, {"MLI", "ML"}, {"MNG", "MN"},
    {"MOZ", "MZ"}, {"MRC", "MA"}, {"MYA", "MM"}, {"NIG", "NG"}, {"NMB", "NA"}, {"NOR", "NO"},
    {"NPL", "NP"}, {"NZL", "NZ"}, {"OMA", "OM"}, {"PAK", "PK"}, {"PHL", "PH"}, {"PNG", "PG"},
    {"POL", "PL"}, {"POR", "PT"}, {"PRU", "PE"}, {"ROU", "RO"}, {"RUS", "RU"}, {"S", "SE"},
    {"SDN", "SD"}, {"SEY", "SC"}, {"SLM", "SB"}, {"SOM", "SO"}, {"SRB", "RS"}, {"SSD", "SS"},
    {"SUI", "CH"}, {"SVK", "SK"}, {"SYR", "SY"}, {"THA", "TH"}, {"TUN", "TN"}, {"TUR", "TR"},
    {"TWN", "TW"}, {"UAE", "AE"}, {"UKR", "UA"}, {"USA", "US"}, {"UZB", "UZ"}, {"VEN", "VE"},
    {"VTN", "VN"}, {"VUT", "VU"}, {"YEM", "YE"}, {"ZMB", "ZM"}, {"ZWE", "ZW"},
};

struct AreaName {
  std::string_view code;
  std::uint16_t areas;
};

// The codes a listener chooses from, in the order help texts name them.
constexpr AreaName kAreaNames[] = {
    {"Eu", kAreaEu}, {"As", kAreaAs},           {"Me", kAreaMe},
    {"Af", kAreaAf}, {"Na", kAreaNa},           {"Ca", kAreaCa},
    {"Sa", kAreaSa}, {"La", kAreaCa | kAreaSa}, {"Am", kAreaNa | kAreaCa | kAreaSa},
    {"Oc", kAreaOc}, {"At", kAreaAt},           {"Io", kAreaIo},
};

// The continent of each country code kCountries gives (Antarctica has none).
constexpr AreaName kContinents[] = {
    {" AL AT BA BE BG BY CH CY CZ DE DK EE ES FI FR GB GR HR HU IE IS IT LT LV MD NL NO PL PT RO "
     "RS RU SE SK UA VA ",
     kAreaEu},
    {" AF AM AZ BD BT CN GE HK ID IN JP KG KH KP KR KZ LA LK MM MN MY NP PH PK TH TW UZ VN ",
     kAreaAs},
    {" AE BH IL IQ IR JO KW LB OM SA SY TR YE ", kAreaMe},
    {" AO BW CD CI CM DZ EG ET GH KE LR LY MA MG ML MZ NA NG SC SD SO SS TN ZA ZM ZW ", kAreaAf},
    {" BM CA GL US ", kAreaNa},
    {" CR CU DO GT HN HT MX ", kAreaCa},
    {" AR BO BR CL CO EC GY PE VE ", kAreaSa},
    {" AU FJ GU NZ PG SB VU ", kAreaOc},
};

// Targets out at sea are served by aeronautical and maritime stations, not broadcasters.
constexpr std::array<std::string_view, 4> kOceans = {"NAO", "SAO", "AO", "IOc"};

// Name words of utility services, with the code they give, in the order they are tried.
constexpr CodePair kServiceWords[] = {
    {"FAX", "FAX "},     {"VOLMET", "VOLM"},     {"NAVTEX", "NAVT"}, {"HFDL", "HFDL"},
    {"AERADIO", "AERO"}, {"COASTGUARD", "WX  "}, {"WX", "WX  "},     {"METEO", "WX  "},
    {"NUMBERS", "NUMB"}, {"NAVY", "NAVY"},       {"MARKER", "UTIL"}, {"TELESWITCH", "UTIL"},
    {"BEACON", "UTIL"},
};

struct Band {
  std::string_view name;
  FreqRange range;
};

// The broadcast bands as listeners name them, and a few wider ranges.
constexpr Band kBands[] = {
    {"lw", {148.5, 283.5}},  {"mw", {520, 1710}},        {"120m", {2300, 2500}},
    {"90m", {3200, 3400}},   {"75m", {3900, 4000}},      {"60m", {4750, 5060}},
    {"49m", {5900, 6200}},   {"41m", {7200, 7600}},      {"31m", {9400, 9900}},
    {"25m", {11600, 12100}}, {"22m", {13570, 13870}},    {"19m", {15100, 15800}},
    {"16m", {17480, 17900}}, {"15m", {18900, 19020}},    {"13m", {21450, 21850}},
    {"11m", {25670, 26100}}, {"tropical", {2300, 5060}}, {"sw", {1710, 30000}},
    {"all", kReceiverRange},
};

template <std::size_t N>
std::optional<std::string_view> Lookup(const CodePair (&table)[N], std::string_view key) {
  for (const CodePair& p : table) {
    if (p.from == key) return p.to;
  }
  return std::nullopt;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

int DayOfName(std::string_view s) {
  for (std::size_t k = 0; k < kDayNames.size(); ++k) {
    if (s == kDayNames[k]) return static_cast<int>(k);
  }
  return -1;
}

// EiBi numbers the days from Monday (1) to Sunday (7).
int DayOfDigit(char c) { return c >= '1' && c <= '7' ? (c - '0') % 7 : -1; }

std::uint8_t DayRange(int from, int to) {
  std::uint8_t mask = 0;
  for (int d = from;; d = (d + 1) % 7) {
    mask = static_cast<std::uint8_t>(mask | (1u << d));
    if (d == to) break;
  }
  return mask;
}

// Items of one day each (a name of two letters or a digit), "a-b" ranges, separated by commas or
// written one after the other ("SaSu", "1245"). 0 when the text is not such a list.
std::uint8_t DayList(std::string_view s, bool digits) {
  const std::size_t width = digits ? 1 : 2;
  const auto day_at = [&](std::size_t i) {
    if (i + width > s.size()) return -1;
    return digits ? DayOfDigit(s[i]) : DayOfName(s.substr(i, width));
  };
  std::uint8_t mask = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    const int from = day_at(i);
    if (from < 0) return 0;
    i += width;
    int to = from;
    if (i < s.size() && s[i] == '-') {
      to = day_at(i + 1);
      if (to < 0) return 0;
      i += 1 + width;
    }
    mask = static_cast<std::uint8_t>(mask | DayRange(from, to));
    if (i < s.size() && s[i] == ',') {
      if (++i == s.size()) return 0;
    }
  }
  return mask;
}

// "1.Sa", "2.Su", "1.Sa,3.Sa": the n-th such weekday of the month.
std::uint8_t NthWeekdays(std::string_view s) {
  std::uint8_t mask = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    if (i + 4 > s.size() || !IsDigit(s[i]) || s[i + 1] != '.') return 0;
    const int d = DayOfName(s.substr(i + 2, 2));
    if (d < 0) return 0;
    mask = static_cast<std::uint8_t>(mask | (1u << d));
    i += 4;
    if (i < s.size() && s[i] == ',') ++i;
  }
  return mask;
}

// "Last7", "LastSa": the last such weekday of the month.
std::uint8_t LastWeekday(std::string_view s) {
  if (!s.starts_with("last")) return 0;
  const std::string_view d = s.substr(4);
  const int day = d.size() == 1 ? DayOfDigit(d[0]) : (d.size() == 2 ? DayOfName(d) : -1);
  return day < 0 ? 0 : static_cast<std::uint8_t>(1u << day);
}

bool IsOneDate(std::string_view s) {
  if (s.empty() || !IsDigit(s[0])) return false;
  return std::any_of(kMonths.begin(), kMonths.end(),
                     [s](std::string_view m) { return s.find(m) != std::string_view::npos; });
}

std::vector<std::string> UpperWords(std::string_view s) {
  std::vector<std::string> words;
  std::string word;
  for (char c : s) {
    const bool alnum = IsDigit(c) || IsUpper(c) || (c >= 'a' && c <= 'z');
    if (alnum) {
      word += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

bool DayMonth(std::string_view s) {
  if (s.size() != 4 || !std::all_of(s.begin(), s.end(), IsDigit)) return false;
  const int day = (s[0] - '0') * 10 + (s[1] - '0');
  const int month = (s[2] - '0') * 10 + (s[3] - '0');
  return day >= 1 && day <= 31 && month >= 1 && month <= 12;
}

bool MonthYear(std::string_view s) {
  if (s.size() != 6 || s.front() != '[' || s.back() != ']') return false;
  const std::string_view my = s.substr(1, 4);
  if (!std::all_of(my.begin(), my.end(), IsDigit)) return false;
  const int month = (my[0] - '0') * 10 + (my[1] - '0');
  return month >= 1 && month <= 12;
}

}  // namespace

EibiDays ParseEibiDays(std::string_view text) {
  const std::string s = Lower(TrimStr(text));
  if (s.empty() || std::find(kModeWords.begin(), kModeWords.end(), s) != kModeWords.end()) {
    return {EibiDayKind::kEveryDay, 0};
  }
  std::uint8_t mask = IsDigit(s[0]) ? DayList(s, true) : DayList(s, false);
  if (mask == 0) mask = NthWeekdays(s);
  if (mask == 0) mask = LastWeekday(s);
  if (mask != 0) return {EibiDayKind::kDays, mask};
  if (IsOneDate(s)) return {EibiDayKind::kOneDate, 0};
  return {EibiDayKind::kIrregular, 0};
}

std::array<char, 2> MapEibiTarget(std::string_view target) {
  const std::string t = TrimStr(target);
  std::optional<std::string_view> code = Lookup(kAreas, t);
  // Only areas are written in mixed case, so a country such as CME is never read as C + ME.
  if (!code && t.size() >= 3 && std::string_view("NSEWC").find(t[0]) != std::string_view::npos &&
      IsUpper(t[1]) &&
      std::any_of(t.begin() + 2, t.end(), [](char c) { return c >= 'a' && c <= 'z'; })) {
    code = Lookup(kAreas, std::string_view(t).substr(1));
  }
  if (!code) code = Lookup(kCountries, t);
  const std::string out = code ? std::string(*code) : PadRight(t.substr(0, 2), 2);
  return {out[0], out[1]};
}

std::uint16_t AreasOfTarget(std::array<char, 2> code) {
  const std::string_view c(code.data(), 2);
  for (const AreaName& a : kAreaNames) {
    if (a.code == c) return a.areas;
  }
  const std::string spaced = " " + std::string(c) + " ";
  for (const AreaName& a : kContinents) {
    if (a.code.find(spaced) != std::string_view::npos) return a.areas;
  }
  return 0;
}

std::optional<std::uint16_t> ParseEibiAreas(std::string_view text, std::string& error) {
  std::uint16_t areas = 0;
  for (const std::string& word : UpperWords(text)) {
    const auto it = std::find_if(std::begin(kAreaNames), std::end(kAreaNames),
                                 [&word](const AreaName& a) { return UpperStr(a.code) == word; });
    if (word == "ALL") {
      areas = kAllAreas;
    } else if (it != std::end(kAreaNames)) {
      areas = static_cast<std::uint16_t>(areas | it->areas);
    } else {
      error = "\"" + word + "\" is not a target area (" + AreaNames() + ", all)";
      return std::nullopt;
    }
  }
  if (areas == 0) {
    error = "no target area was given";
    return std::nullopt;
  }
  return areas;
}

std::string AreaNames() {
  std::string names;
  for (const AreaName& a : kAreaNames) names += (names.empty() ? "" : ", ") + std::string(a.code);
  return names;
}

std::string AreasText(std::uint16_t areas) {
  if ((areas & kAllAreas) == kAllAreas) return "all";
  std::string text;
  for (const AreaName& a : kAreaNames) {
    // Single areas only; La and Am are spelled out.
    if ((a.areas & (a.areas - 1)) == 0 && (areas & a.areas) != 0) {
      text += (text.empty() ? "" : ", ") + std::string(a.code);
    }
  }
  return text;
}

EibiLineKind ClassifyEibiLine(std::string_view station, std::string_view language,
                              std::string_view target, std::string_view persistence,
                              std::string_view days) {
  const std::string lang = TrimStr(language);
  const std::vector<std::string> words = UpperWords(station);
  const auto has_word = [&words](std::string_view w) {
    return std::find(words.begin(), words.end(), w) != words.end();
  };
  const auto word_holds = [&words](std::string_view part) {
    return std::any_of(words.begin(), words.end(),
                       [part](const std::string& w) { return w.find(part) != std::string::npos; });
  };
  std::optional<std::string_view> service_code;
  for (const CodePair& p : kServiceWords) {
    if (has_word(p.from)) {
      service_code = p.to;
      break;
    }
  }
  // The Russian air-traffic services are named "Rostov Aero", "Samara-Aero": spoken, but no
  // broadcast.
  if (!service_code && word_holds("AERO")) service_code = "AERO";
  const std::optional<long long> p = ParseLeadingInt(TrimStr(persistence));
  const bool mode_language = lang.starts_with('-') && lang != "-MX";
  const bool ocean = std::find(kOceans.begin(), kOceans.end(), TrimStr(target)) != kOceans.end();
  EibiLineKind kind;
  kind.jammer = word_holds("JAMMER");
  kind.digital =
      has_word("DRM") || has_word("DIGITAL") || lang == "-DRM" || Lower(TrimStr(days)) == "drm";
  kind.utility = (p && *p >= 90) || (mode_language && !kind.digital) || ocean || service_code;
  if (!kind.utility) return kind;
  if (lang == "-TS") {
    kind.code = "TIME";
  } else if (service_code) {
    kind.code = std::string(*service_code);
  } else if (lang == "-HF") {
    kind.code = "HFDL";
  } else if (lang == "-CW") {
    kind.code = "CW  ";
  } else if (lang == "-TY") {
    kind.code = "RTTY";
  } else {
    kind.code = "UTIL";
  }
  return kind;
}

std::optional<EibiTimes> ParseEibiTimes(std::string_view text) {
  if (text.size() != 9 || text[4] != '-') return std::nullopt;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 7, 8}) {
    if (!IsDigit(text[i])) return std::nullopt;
  }
  EibiTimes t{PackedTimeToInt(text.substr(0, 4)), PackedTimeToInt(text.substr(5, 4))};
  if (t.start / 100 > 23 || t.start % 100 > 59 || t.stop % 100 > 59 || t.stop > 2400) {
    return std::nullopt;
  }
  return t;
}

std::vector<HourPiece> SplitIntoHours(int start_hhmm, int stop_hhmm) {
  constexpr int kDay = 24 * 60;
  const int from = start_hhmm / 100 * 60 + start_hhmm % 100;
  int to = stop_hhmm / 100 * 60 + stop_hhmm % 100;
  std::vector<HourPiece> pieces;
  if (to == from) return pieces;
  if (to < from) to += kDay;
  for (int t = from; t < to;) {
    const int end = std::min((t / 60 + 1) * 60, to);
    const bool next_day = t >= kDay;
    const int a = next_day ? t - kDay : t;
    const int b = next_day ? end - kDay : end;
    pieces.push_back({a / 60 * 100 + a % 60, b / 60 * 100 + b % 60, next_day});
    t = end;
  }
  return pieces;
}

std::uint8_t NextDayMask(std::uint8_t mask) {
  return static_cast<std::uint8_t>(((mask << 1) | (mask >> 6)) & 0x7F);
}

bool IsWellFormedEibiDate(std::string_view text, bool stop_field) {
  if (text.empty()) return true;
  if (DayMonth(text)) return true;
  if (!stop_field) return false;
  if (MonthYear(text)) return true;
  return text.size() == 10 && DayMonth(text.substr(0, 4)) && MonthYear(text.substr(4));
}

std::optional<std::vector<FreqRange>> ParseFreqRanges(std::string_view text, std::string& error) {
  std::vector<FreqRange> ranges;
  std::string token;
  const auto take = [&]() -> bool {
    if (token.empty()) return true;
    const std::string lower = Lower(token);
    for (const Band& b : kBands) {
      if (b.name == lower) {
        ranges.push_back(b.range);
        token.clear();
        return true;
      }
    }
    const std::size_t dash = token.find('-', 1);
    const std::optional<double> low =
        dash == std::string::npos ? std::nullopt : ParseDecimal(token.substr(0, dash));
    const std::optional<double> high =
        dash == std::string::npos ? std::nullopt : ParseDecimal(token.substr(dash + 1));
    if (!low || !high || *low <= 0 || *high < *low) {
      error = "\"" + token + "\" is neither a range of kHz such as 5900-6200 nor a band (" +
              BandNames() + ")";
      return false;
    }
    ranges.push_back({*low, *high});
    token.clear();
    return true;
  };
  for (char c : text) {
    if (c == ',' || c == ' ' || c == ';' || c == '\t') {
      if (!take()) return std::nullopt;
    } else {
      token += c;
    }
  }
  if (!take()) return std::nullopt;
  if (ranges.empty()) {
    error = "no frequency range was given";
    return std::nullopt;
  }
  return ranges;
}

std::string BandNames() {
  std::string names;
  for (const Band& b : kBands) names += (names.empty() ? "" : ", ") + std::string(b.name);
  return names;
}

}  // namespace r8
