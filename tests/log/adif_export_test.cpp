#include "log/adif_export.h"

#include <gtest/gtest.h>

namespace r8 {
namespace {

TEST(AdifExport, BandsModesAndLettersMapAsLoggersRead) {
  struct BandCase { double mhz; const char* band; };
  for (const BandCase& c : {BandCase{0.1357, "2190m"}, {1.8, "160m"}, {7.3, "40m"},
                            {7.3001, ""}, {9.58, ""}, {14.2, "20m"}, {29.7, "10m"},
                            {54.0, "6m"}, {145.5, "2m"}, {0.0, ""}})
    EXPECT_EQ(AdifBand(c.mhz), c.band) << c.mhz;

  struct ModeCase { const char* log; const char* mode; const char* submode; };
  for (const ModeCase& c : {ModeCase{"AM  ", "AM", ""}, {"usb", "SSB", "USB"}, {"LSB ", "SSB", "LSB"},
                            {"RTTY", "RTTY", ""}, {"Fax", "FAX", ""}, {" cw ", "CW", ""}}) {
    const std::optional<AdifMode> m = AdifModeFor(c.log);
    ASSERT_TRUE(m) << c.log;
    EXPECT_EQ(m->mode, c.mode);
    EXPECT_EQ(m->submode, c.submode);
  }
  EXPECT_FALSE(AdifModeFor("ARQ"));
  EXPECT_FALSE(AdifModeFor(""));

  EXPECT_EQ(AdifAscii("Radio Fran\xE7" "aise \xC6\xDF\xFF\xD7\x01\xA9"), "Radio Francaise AEssy? ?");
  EXPECT_EQ(AdifField("CALL", "DW"), "<CALL:2>DW ");
  EXPECT_EQ(AdifField("CALL", ""), "");
}

TEST(AdifExport, ARecordCarriesTheListenersReport) {
  LogEntry e{" 9580.00", "kHz", "1830w", "07 Dec 26", "AM  ", "", "45444", "", "Radio Example",
              {"Interval signal", "  ", "QSL requested"}};
  EXPECT_EQ(AdifRecord(e),
            "<SWL:1>Y <CALL:13>Radio Example <NAME:13>Radio Example <FREQ:7>9.58000 "
            "<MODE:2>AM <QSO_DATE:8>20261207 <TIME_ON:4>1830 <RST_RCVD:5>45444 "
            "<COMMENT:29>Interval signal QSL requested <EOR>\r\n");

  // A call is the record's key; the century follows the pivot; an ADIF band where there is one.
  e = LogEntry{"14.2300", "MHz", "0905", "31 Jan 97", "Sstv", "", "", "DL1AB", "", {}};
  EXPECT_EQ(AdifRecord(e),
            "<SWL:1>Y <CALL:5>DL1AB <FREQ:8>14.23000 <BAND:3>20m <MODE:4>SSTV "
            "<QSO_DATE:8>19970131 <TIME_ON:4>0905 <EOR>\r\n");

  // What cannot be read is left out, never written wrong; an unknown mode goes to the comment.
  for (const char* date : {"00 Jan 26", "31 Feb 26", "1 Jan 26", "05 Dex 26", ""}) {
    e = LogEntry{"abc", "kHz", "2460", date, "ARQ", "", "", "", "X", {}};
    EXPECT_EQ(AdifRecord(e), "<SWL:1>Y <CALL:1>X <NAME:1>X <COMMENT:9>Mode ARQ. <EOR>\r\n") << date;
  }
  e.date = "29 Feb 00";
  EXPECT_NE(AdifRecord(e).find("<QSO_DATE:8>20000229"), std::string::npos);
}

TEST(AdifExport, TheDocumentHasAHeaderAndARecordPerEntry) {
  int written = -1;
  int skipped = -1;
  const std::string doc = AdifDocument(
      {" 9580.00\tkHz\t1830\t07 Dec 26\tAM\t45444\tRadio Example",  // the older 7 fields
       "", "not an entry", " 6070.00\tkHz\t0300\t08 Dec 26\tAM\t\t\tCFRX\tCFRX\xFF\t\tweak"},
      "P", "1", LocalDateTime{}, &written, &skipped);
  EXPECT_EQ(written, 2);
  EXPECT_EQ(skipped, 1);
  EXPECT_TRUE(doc.starts_with(AdifHeader("P", "1", LocalDateTime{})));
  EXPECT_NE(doc.find("<RST_RCVD:5>45444"), std::string::npos);
  EXPECT_TRUE(doc.ends_with("<COMMENT:4>weak <EOR>\r\n"));
}

TEST(AdifExport, HeaderNamesTheProgram) {
  EXPECT_EQ(AdifHeader("Veltrix R8 Control", "0.1", LocalDateTime{2026, 12, 7, 3, 4, 5}),
            "Veltrix R8 Control listening log\r\n<ADIF_VER:5>3.1.4 "
            "<CREATED_TIMESTAMP:15>20261207 030405 <PROGRAMID:18>Veltrix R8 Control "
            "<PROGRAMVERSION:3>0.1 <EOH>\r\n\r\n");
}

}  // namespace
}  // namespace r8
