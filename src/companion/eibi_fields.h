// How the fields of an EiBi schedule line map onto the program's records: days, target areas,
// utility stations and their codes, and broadcasts cut into one record per hour.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r8 {

enum class EibiDayKind {
  kEveryDay,   // empty, or a transmission mode written where the days go ("USB", "LSB")
  kDays,       // named or numbered weekdays, ranges (also wrapping) and lists
  kIrregular,  // "irr", "alt", "test", "spur" and anything else not understood
  kOneDate,    // a single date ("5Apr", "15Sep"): a one-off, not a weekly schedule
};

struct EibiDays {
  EibiDayKind kind = EibiDayKind::kEveryDay;
  std::uint8_t mask = 0;  // bit 0 Sunday .. bit 6 Saturday; 0 = no restriction
};

// "Mo-Fr", "We-Mo", "SaSu", "Tu,Fr", "1245" (1 = Monday .. 7 = Sunday), "1.Sa" and "Last7" (a
// monthly broadcast: every such weekday), and the rest as the kinds above say.
EibiDays ParseEibiDays(std::string_view text);

// The two-character target code. EiBi areas become mixed-case codes of the continent or ocean
// ("Eu", "As", "Af", "Me", "Na", "Ca", "Sa", "La", "Am", "Oc", "At", "Io"); countries (ITU codes in
// capitals) become their ISO two-letter code in capitals ("CHN" -> "CN"), so the two kinds never
// clash. An unknown code keeps its first two characters.
std::array<char, 2> MapEibiTarget(std::string_view target);

// The areas a listener can choose to hear, as bits: the continents and oceans of the target codes
// above. "La" (Latin America) and "Am" (the Americas) stand for several of them.
enum EibiArea : std::uint16_t {
  kAreaEu = 1 << 0,
  kAreaAs = 1 << 1,
  kAreaMe = 1 << 2,
  kAreaAf = 1 << 3,
  kAreaNa = 1 << 4,
  kAreaCa = 1 << 5,
  kAreaSa = 1 << 6,
  kAreaOc = 1 << 7,
  kAreaAt = 1 << 8,
  kAreaIo = 1 << 9,
};
inline constexpr std::uint16_t kAllAreas = (1 << 10) - 1;

// The areas a target code (as MapEibiTarget gives it) reaches: an area code its area or areas, a
// country code the continent it lies on. 0 for a code of no known place.
std::uint16_t AreasOfTarget(std::array<char, 2> code);

// "Eu, Af", "Na Ca", "all": area codes separated by commas or blanks, in any letter case. nullopt
// with error set for anything else.
std::optional<std::uint16_t> ParseEibiAreas(std::string_view text, std::string& error);

// "Eu, As, Me, ..." for help texts, and the codes of a mask ("Eu, Af"; "all" for every area).
std::string AreaNames();
std::string AreasText(std::uint16_t areas);

// Whether a line is a utility station rather than a broadcast, and its four-character code.
// Utility: persistence 90 and above, a language code for a mode instead of speech ("-CW", "-TY",
// "-TS", "-HF"; "-MX", music, is a broadcaster), an ocean target, or a service word in the name
// (Fax, Volmet, Navtex, Aeradio, Aero, Coastguard, Wx, Meteo, HFDL, Navy, Numbers, Marker,
// Teleswitch, Beacon). A missing language alone says nothing: many broadcasters leave it empty.
// Jammers (a name word holding "Jammer") and digital transmissions (DRM or "Digital" in the name,
// "DRM" where the days go, or the language "-DRM") are marked; nobody listens to them.
struct EibiLineKind {
  bool utility = false;
  std::string code;  // four characters when utility
  bool jammer = false;
  bool digital = false;
};
EibiLineKind ClassifyEibiLine(std::string_view station, std::string_view language,
                              std::string_view target, std::string_view persistence,
                              std::string_view days = {});

// Broadcasts below this are long- and medium-wave: they become "BCB " utility records.
inline constexpr double kBcbUpperKhz = 1710.0;

// "hhmm-hhmm": start 0000..2359, stop 0000..2400. nullopt for anything else.
struct EibiTimes {
  int start = 0;  // hhmm
  int stop = 0;   // hhmm; 2400 = end of the day
  bool all_day() const { return start == 0 && stop == 2400; }
};
std::optional<EibiTimes> ParseEibiTimes(std::string_view text);

// One record's worth of a broadcast: within one clock hour, since the query engine finds a timed
// record only in its start hour. next_day: after midnight, so the days move on by one.
struct HourPiece {
  int start = 0;  // hhmm
  int stop = 0;   // hhmm, 2400 at the end of the day
  bool next_day = false;
};
// The pieces of start..stop (a stop not after the start runs past midnight). Empty when start
// equals stop, which gives no time on the air.
std::vector<HourPiece> SplitIntoHours(int start_hhmm, int stop_hhmm);

// The day mask of the following day: Saturday's broadcast past midnight is on Sunday.
std::uint8_t NextDayMask(std::uint8_t mask);

// Date fields: "" or "ddmm" for Start; "", "ddmm", "[mmyy]" (last heard) or both for Stop.
bool IsWellFormedEibiDate(std::string_view text, bool stop_field);

struct FreqRange {
  double low = 0;   // kHz
  double high = 0;  // kHz, included
  bool operator==(const FreqRange&) const = default;
};

// The receiver's coverage, the default choice.
inline constexpr FreqRange kReceiverRange{100.0, 30000.0};

// "5900-6200, 9400-9900", band names ("49m", "31m", "mw", "lw", "sw", "all") or both, separated
// by commas or blanks. nullopt with error set for anything else.
std::optional<std::vector<FreqRange>> ParseFreqRanges(std::string_view text, std::string& error);

// The band names ParseFreqRanges knows, for help texts.
std::string BandNames();

}  // namespace r8
