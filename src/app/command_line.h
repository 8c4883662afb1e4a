// The program's command-line options.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "netctl/listen_address.h"

namespace r8 {

struct CommandLine {
  // --emulate [R8|R8A|R8B]: every port is the built-in emulated receiver for this run.
  bool emulate = false;
  std::optional<int> emulate_model;
  // --export-adif LOG ADI: writes the log as an ADIF file and ends, without a window.
  struct AdifExport {
    std::string log;
    std::string adi;
  };
  std::optional<AdifExport> export_adif;
  // --listen [ADDR:]PORT: the network control server listens there for this run.
  std::optional<netctl::ListenAddress> listen;
  std::vector<std::string> unknown;  // options the program does not know, reported to the user
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace r8
