// Start-up reads and exit writes of the settings file, on a file of realistic size (every section
// the program keeps, a timer list and comments).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "settings/settings.h"

namespace {

namespace fs = std::filesystem;

fs::path MakeRealisticFile() {
  std::random_device rd;
  const fs::path dir = fs::temp_directory_path() / ("r8bench-" + std::to_string(rd()));
  fs::create_directories(dir);
  const fs::path file = dir / "TARVELIN.INI";
  std::ofstream out(file, std::ios::binary);
  out << "; settings of a receiver in daily use\r\n[OPTIONS]\r\nTIME= "
         "-1.00\r\nLOCAL=2\r\nRADIO=3\r\n"
         "ANTENNA=1\r\nPORT=1\r\nTXPACE=5\r\nRXPACE=115\r\nIGNOREDSR=0\r\nSCANMODE=2\r\nSCANTYPE="
         "1\r\n"
         "SCANDELAY=3\r\nSCANLIST=000102030405\r\nMEMFILE=C:\\R8\\BANDS.MEM\r\nLOGFILE=.\\TARVELIN."
         "LOG\r\n"
         "LOGFORM=<Untitled>\r\nRPTFORM=<Untitled>\r\nMARK=     8388608\r\nHIGH=    16776960\r\n"
         "TIMER=1\r\nCLOCK=2\r\nHINTS=1\r\nEXFREQ=0\r\nEXFREQ1=0.00\r\nEXFREQ2=0.00\r\nHSTEP=0."
         "01\r\n"
         "VSTEP=0.10\r\nXPOS= 120\r\nYPOS=  80\r\n\r\n[STEPSIZE]\r\nCOUNT=   9\r\nDSTEP=   5\r\n";
  for (int i = 1; i <= 9; ++i) out << "STEP" << i << "=" << i * 1.5 << "\r\n";
  out << "\r\n[OFFSET]\r\nCOUNT=   5\r\nDOFST=   3\r\n";
  for (int i = 1; i <= 5; ++i) out << "OFST" << i << "=" << (i - 3) * 0.5 << "\r\n";
  out << "\r\n[WINDOWS]\r\n";
  for (const char* w :
       {"BANDPLAN", "DXLIST", "FREQLIST", "FULLLIST", "LOGLIST", "MEMLIST", "SKEDLIST", "STATLIST1",
        "STATLIST2", "STATLIST3", "TIMERLIST", "PANDISP"}) {
    out << w << "X=640\r\n" << w << "Y=480\r\n";
  }
  out << "\r\n[TIMERS]\r\n";
  for (int i = 1; i <= 40; ++i) out << "TIMER" << i << "=1,1430,62, 9580.00,0,BBC evening news\r\n";
  out << "\r\n[LOG]\r\nDXER=A. Listener\r\nADDR1=1 Road\r\nADDR2=Town\r\nRCVR=Drake R8B\r\n"
         "ANTENNA=Longwire\r\nCONDX=Fair\r\n\r\n[DATABASE]\r\nFD=1234567890\r\n";
  return file;
}

void ReadEverythingAtStartUp(r8::ProfileFile& f) {
  r8::Settings s;
  r8::ReadSettings(f, s);
  r8::ComboList steps = r8::DefaultStepList();
  r8::ReadComboList(f, steps, "STEPSIZE", "STEP", 5, r8::kStepListWidth, "DSTEP");
  r8::ComboList offsets = r8::DefaultOffsetList();
  r8::ReadComboList(f, offsets, "OFFSET", "OFST", 3, r8::kOffsetListWidth, "DOFST");
  r8::LogDetails log = r8::ReadLogDetails(f);
  benchmark::DoNotOptimize(s);
  benchmark::DoNotOptimize(steps);
  benchmark::DoNotOptimize(log);
}

void BM_StartUpReads(benchmark::State& state) {
  const fs::path file = MakeRealisticFile();
  r8::ProfileFile f(file);
  for (auto _ : state) ReadEverythingAtStartUp(f);
  state.counters["reads_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  fs::remove_all(file.parent_path());
}
BENCHMARK(BM_StartUpReads)->Unit(benchmark::kMicrosecond);

void BM_StartUpReadsFreshFile(benchmark::State& state) {
  // Includes opening and parsing the file, as a real start does once.
  const fs::path file = MakeRealisticFile();
  for (auto _ : state) {
    r8::ProfileFile f(file);
    ReadEverythingAtStartUp(f);
  }
  fs::remove_all(file.parent_path());
}
BENCHMARK(BM_StartUpReadsFreshFile)->Unit(benchmark::kMicrosecond);

void BM_ExitWrites(benchmark::State& state) {
  const fs::path file = MakeRealisticFile();
  r8::ProfileFile f(file);
  r8::Settings s;
  r8::ReadSettings(f, s);
  r8::ComboList steps = r8::DefaultStepList();
  r8::ComboList offsets = r8::DefaultOffsetList();
  int n = 0;
  for (auto _ : state) {
    s.x_pos = ++n % 500;  // a real change each time, so the file is really replaced
    r8::WriteExitSettings(f, s, false);
    r8::WriteComboList(f, steps, "STEPSIZE", "STEP", "DSTEP");
    r8::WriteComboList(f, offsets, "OFFSET", "OFST", "DOFST");
  }
  fs::remove_all(file.parent_path());
}
BENCHMARK(BM_ExitWrites)->Unit(benchmark::kMicrosecond);

void BM_OptionsOkWrites(benchmark::State& state) {
  const fs::path file = MakeRealisticFile();
  r8::ProfileFile f(file);
  r8::Settings s;
  int n = 0;
  for (auto _ : state) {
    s.RxPace = 100 + (++n % 50);
    r8::WriteSettings(f, s);
    r8::WriteOptionKeys(f, s);
  }
  fs::remove_all(file.parent_path());
}
BENCHMARK(BM_OptionsOkWrites)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
