#include "app/command_line.h"

#include "radio/radio_model.h"

namespace r8 {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine cl;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--emulate") {
      cl.emulate = true;
      if (i + 1 < args.size()) {
        if (auto m = ModelFromName(args[i + 1])) {
          cl.emulate_model = *m;
          ++i;
        }
      }
    } else if (a.rfind("--emulate=", 0) == 0) {
      cl.emulate = true;
      if (auto m = ModelFromName(a.substr(10))) {
        cl.emulate_model = *m;
      } else {
        cl.unknown.push_back(a);
      }
    } else if (a == "--export-adif") {
      if (i + 2 < args.size()) {
        cl.export_adif = CommandLine::AdifExport{args[i + 1], args[i + 2]};
        i += 2;
      } else {
        cl.unknown.push_back(a + " needs a log file and an ADIF file");
        i = args.size();
      }
    } else if (a == "--listen" || a.rfind("--listen=", 0) == 0) {
      std::string value = a.size() > 8 ? a.substr(9) : std::string();
      if (a == "--listen" && i + 1 < args.size()) value = args[++i];
      cl.listen = netctl::ParseListenAddress(value);
      if (!cl.listen) cl.unknown.push_back(a == "--listen" ? a + " " + value : a);
    } else {
      cl.unknown.push_back(a);
    }
  }
  return cl;
}

}  // namespace r8
