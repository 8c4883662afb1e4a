#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace r8 {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// A file as a user might have it after years of hand edits: comments, odd spacing, mixed case,
// Windows line ends, blank lines between sections.
const std::string kHandWritten =
    "; Receiver settings\r\n"
    "[Options]\r\n"
    "Radio=2\r\n"
    "  port = 3  \r\n"
    "rxpace=115\r\n"
    "; a comment inside a section\r\n"
    ";rxpace=20\r\n"
    "MemFile=\"C:\\RADIO\\MY FILE.MEM\"\r\n"
    "\r\n"
    "[stepsize]\r\n"
    "COUNT=   2\r\n"
    "STEP1=0.3\r\n"
    "\r\n"
    "[LOG]\r\n"
    "DXER=A. Listener\r\n";

TEST(ProfileFile, ReadsWithoutRegardToCaseAndTrimsValues) {
  TempDir dir;
  WriteBytes(dir / "T.INI", kHandWritten);
  ProfileFile f(dir / "T.INI");
  EXPECT_EQ(f.ReadString("OPTIONS", "RADIO", "x"), "2");
  EXPECT_EQ(f.ReadString("options", "Port", "x"), "3");
  EXPECT_EQ(f.ReadInt("OPTIONS", "PORT", 0), 3);
  EXPECT_EQ(f.ReadString("OPTIONS", "MEMFILE", ""), "C:\\RADIO\\MY FILE.MEM");  // quotes go
  EXPECT_EQ(f.ReadString("OPTIONS", "MEMFILE", "", 6), "C:\\RAD");              // buffer size
  EXPECT_EQ(f.ReadString("Log", "dxer", ""), "A. Listener");
  EXPECT_EQ(f.ReadString("OPTIONS", "ABSENT", "def"), "def");
  EXPECT_EQ(f.ReadString("NOSECTION", "RADIO", "def"), "def");
  // A comment line is not a key, even if it looks like one after the semicolon.
  EXPECT_FALSE(f.Find("OPTIONS", "; a comment inside a section").has_value());
  EXPECT_FALSE(f.Find("OPTIONS", ";rxpace").has_value());
}

TEST(ProfileFile, WritingOneKeyKeepsEveryOtherByte) {
  TempDir dir;
  WriteBytes(dir / "T.INI", kHandWritten);
  ProfileFile f(dir / "T.INI");
  ASSERT_TRUE(f.WriteString("OPTIONS", "PORT", "4"));
  std::string expected = kHandWritten;
  expected.replace(expected.find("  port = 3  "), 12, "port=4");
  EXPECT_EQ(ReadBytes(dir / "T.INI"), expected);

  // Writing the same value again leaves the file alone; a new key joins its section before the
  // blank line, in the file's own line-end style.
  EXPECT_TRUE(f.WriteString("OPTIONS", "PORT", "4"));
  EXPECT_EQ(ReadBytes(dir / "T.INI"), expected);
  ASSERT_TRUE(f.WriteString("stepsize", "STEP2", "25"));
  expected.replace(expected.find("STEP1=0.3\r\n"), 11, "STEP1=0.3\r\nSTEP2=25\r\n");
  EXPECT_EQ(ReadBytes(dir / "T.INI"), expected);
  EXPECT_EQ(ProfileFile(dir / "T.INI").ReadInt("STEPSIZE", "step2", 0), 25);
}

TEST(ProfileFile, CreatesFileAndSectionOnFirstWrite) {
  TempDir dir;
  ProfileFile f(dir / "NEW.INI");
  EXPECT_FALSE(f.Exists());
  EXPECT_EQ(f.ReadInt("OPTIONS", "RADIO", 7), 7);
  ASSERT_TRUE(f.WriteString("OPTIONS", "RADIO", "1"));
  ASSERT_TRUE(f.WriteString("LOG", "DXER", "Me"));
  ASSERT_TRUE(f.WriteString("OPTIONS", "PORT", "2"));
  EXPECT_EQ(ReadBytes(dir / "NEW.INI"),
            "[OPTIONS]\r\nRADIO=1\r\nPORT=2\r\n\r\n[LOG]\r\nDXER=Me\r\n");
  EXPECT_TRUE(f.Exists());
  // No temporary file is left beside it.
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST(ProfileFile, UnixLineEndsAndAMissingFinalNewlineArePreserved) {
  TempDir dir;
  WriteBytes(dir / "T.INI", "[A]\nX=1\n[B]\nY=2");
  ProfileFile f(dir / "T.INI");
  ASSERT_TRUE(f.WriteString("B", "Z", "3"));
  EXPECT_EQ(ReadBytes(dir / "T.INI"), "[A]\nX=1\n[B]\nY=2\nZ=3\n");
  ASSERT_TRUE(f.WriteString("A", "X", "line\r\nbreak"));
  EXPECT_EQ(f.ReadString("A", "X", ""), "line  break");
}

// Files from other editors: a UTF-8 byte-order mark, old Mac line ends, mixed ends. The first
// section is found, a write changes one line in the file's own style, and the rest stays as it was.
TEST(ProfileFile, ByteOrderMarkAndEveryLineEndReadAsTheFileMeansThem) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;  // once RADIO is set to 3 and a new key added
  };
  const std::string bom = "\xEF\xBB\xBF";
  const Case cases[] = {
      {"bom", bom + "[OPTIONS]\r\nRADIO=2\r\n", bom + "[OPTIONS]\r\nRADIO=3\r\nNEW=1\r\n"},
      {"cr only", "[OPTIONS]\rRADIO=2\r[LOG]\rDXER=Me\r",
       "[OPTIONS]\rRADIO=3\rNEW=1\r[LOG]\rDXER=Me\r"},
      {"mixed", "[OPTIONS]\rRADIO=2\n\r\n[LOG]\r\nDXER=Me",
       "[OPTIONS]\rRADIO=3\nNEW=1\r\r\n[LOG]\r\nDXER=Me"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    WriteBytes(dir / "T.INI", c.before);
    ProfileFile f(dir / "T.INI");
    EXPECT_EQ(f.ReadInt("OPTIONS", "RADIO", 0), 2);
    ASSERT_TRUE(f.WriteString("OPTIONS", "RADIO", "3"));
    ASSERT_TRUE(f.WriteString("OPTIONS", "NEW", "1"));
    EXPECT_EQ(ReadBytes(dir / "T.INI"), c.after);
  }
  // A mark another program has since removed is not written back.
  TempDir dir;
  WriteBytes(dir / "T.INI", bom + "[A]\r\nX=1\r\n");
  ProfileFile f(dir / "T.INI");
  EXPECT_EQ(f.ReadInt("A", "X", 0), 1);
  WriteBytes(dir / "T.INI", "[A]\r\nX=22\r\n");
  ASSERT_TRUE(f.WriteString("A", "Y", "2"));
  EXPECT_EQ(ReadBytes(dir / "T.INI"), "[A]\r\nX=22\r\nY=2\r\n");
  // Nor does a file made anew after the old one was deleted start with one.
  WriteBytes(dir / "T.INI", bom + "[A]\r\n");
  EXPECT_EQ(f.ReadInt("A", "X", 5), 5);
  std::filesystem::remove(dir / "T.INI");
  ASSERT_TRUE(f.WriteString("B", "Z", "1"));
  EXPECT_EQ(ReadBytes(dir / "T.INI").substr(0, 3), "[B]");
}

TEST(ProfileFile, DamagedFilesReadWithoutHarm) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string key;
    std::string expected;
  };
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) & 0xFF);
  const std::vector<Case> cases = {
      {"binary garbage", garbage + "\n[OPTIONS]\nRADIO=3\n" + garbage, "RADIO", "3"},
      {"very long line", "[OPTIONS]\nJUNK=" + std::string(2'000'000, 'x') + "\nRADIO=2\n", "RADIO",
       "2"},
      {"keys without =", "[OPTIONS]\nRADIO\nPORT 3\nRADIO=1\n", "RADIO", "1"},
      {"no final newline", "[OPTIONS]\nRADIO=2", "RADIO", "2"},
      {"header without ]", "[OPTIONS]\nRADIO=2\n[BROKEN\nRADIO=3\n", "RADIO", "2"},
      {"NUL bytes", std::string("[OPTIONS]\nA=\0\0\nRADIO=1\n", 23), "RADIO", "1"},
      {"empty file", "", "RADIO", "def"},
      {"only CRs", "\r\r\r\r", "RADIO", "def"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    WriteBytes(dir / "T.INI", c.bytes);
    ProfileFile f(dir / "T.INI");
    EXPECT_EQ(f.ReadString("OPTIONS", c.key, "def"), c.expected);
    ASSERT_TRUE(f.WriteString("OPTIONS", "PORT", "5"));
    EXPECT_EQ(ProfileFile(dir / "T.INI").ReadInt("OPTIONS", "PORT", 0), 5);
  }
}

TEST(ProfileFile, IntegersReadLikeThePlatformDoes) {
  TempDir dir;
  WriteBytes(dir / "T.INI",
             "[S]\nA=115 ms\nB=  -42\nC=abc\nD=99999999999999999999\nE=\nF=+7\nG=0x10\n");
  ProfileFile f(dir / "T.INI");
  EXPECT_EQ(f.ReadInt("S", "A", 0), 115);
  EXPECT_EQ(f.ReadInt("S", "B", 0), -42);
  EXPECT_EQ(f.ReadInt("S", "C", 9), 9);
  EXPECT_EQ(f.ReadInt("S", "D", 9), 9);
  EXPECT_EQ(f.ReadInt("S", "E", 9), 9);
  EXPECT_EQ(f.ReadInt("S", "F", 0), 7);
  EXPECT_EQ(f.ReadInt("S", "G", 9), 0);
  EXPECT_EQ(f.ReadInt("S", "MISSING", 9), 9);
}

TEST(ProfileFile, SeesChangesAnotherProgramMadeToTheFile) {
  TempDir dir;
  WriteBytes(dir / "T.INI", "[DATABASE]\nFD=1\n");
  ProfileFile f(dir / "T.INI");
  EXPECT_EQ(f.ReadInt("DATABASE", "FD", 0), 1);
  WriteBytes(dir / "T.INI", "[DATABASE]\nFD=123456\n[OPTIONS]\nRADIO=3\n");
  EXPECT_EQ(f.ReadInt("DATABASE", "FD", 0), 123456);
  ASSERT_TRUE(f.WriteString("OPTIONS", "PORT", "2"));
  EXPECT_EQ(ReadBytes(dir / "T.INI"), "[DATABASE]\nFD=123456\n[OPTIONS]\nRADIO=3\nPORT=2\n");
  // Another writer replaces it within the same tick and with the same size: still seen.
  const auto when = std::filesystem::last_write_time(dir / "T.INI");
  ProfileFile other(dir / "T.INI");
  ASSERT_TRUE(other.WriteString("DATABASE", "FD", "654321"));
  std::filesystem::last_write_time(dir / "T.INI", when);
  EXPECT_EQ(f.ReadInt("DATABASE", "FD", 0), 654321);
}

TEST(ProfileFile, BatchReplacesTheFileOnceAtTheEnd) {
  TempDir dir;
  WriteBytes(dir / "T.INI", "[S]\nA=1\n");
  ProfileFile f(dir / "T.INI");
  {
    ProfileFile::Batch batch(f);
    f.WriteString("S", "A", "2");
    f.WriteString("S", "B", "3");
    EXPECT_EQ(ReadBytes(dir / "T.INI"), "[S]\nA=1\n");  // nothing on disk yet
    EXPECT_EQ(f.ReadInt("S", "B", 0), 3);               // but reads see the pending values
    EXPECT_TRUE(batch.Finish());
  }
  EXPECT_EQ(ReadBytes(dir / "T.INI"), "[S]\nA=2\nB=3\n");
}

TEST(ProfileFile, AFailedWriteSaysSoAndLeavesNoHalfFile) {
  TempDir dir;
  WriteBytes(dir / "blocker", "a file where a folder should be");
  ProfileFile f(dir / "blocker" / "T.INI");
  EXPECT_FALSE(f.WriteString("S", "A", "1"));
  EXPECT_FALSE(f.last_error().empty());
  EXPECT_EQ(ReadBytes(dir / "blocker"), "a file where a folder should be");
}

TEST(ProfileFile, DeleteKeyRemovesOnlyThatLine) {
  TempDir dir;
  WriteBytes(dir / "T.INI", "[S]\nA=1\nB=2\nC=3\n");
  ProfileFile f(dir / "T.INI");
  ASSERT_TRUE(f.DeleteKey("s", "b"));
  ASSERT_TRUE(f.DeleteKey("S", "NOPE"));
  ASSERT_TRUE(f.DeleteKey("NO SECTION", "A"));  // nothing to delete is no error either
  EXPECT_EQ(ReadBytes(dir / "T.INI"), "[S]\nA=1\nC=3\n");
}

TEST(ProfileFile, WritesThroughASymbolicLink) {
  TempDir dir;
  WriteBytes(dir / "real.ini", "[S]\nA=1\n");
  std::filesystem::create_symlink(dir / "real.ini", dir / "T.INI");
  ProfileFile f(dir / "T.INI");
  ASSERT_TRUE(f.WriteString("S", "A", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "T.INI"));
  EXPECT_EQ(ReadBytes(dir / "real.ini"), "[S]\nA=2\n");
}

}  // namespace
}  // namespace r8
