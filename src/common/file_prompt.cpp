#include "common/file_prompt.h"

#include <cmath>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/format.h"

namespace r8 {

std::optional<std::string> ValidateFreq(UserPrompts& prompts, std::string_view text) {
  const std::string trimmed = TrimStr(text);
  const std::optional<double> khz = ParseDecimal(trimmed);
  if (!khz || *khz > 30000.0 || *khz < 100.0) {
    ShowMessage(
        prompts, MessageKind::kError,
        trimmed +
            " is an illegal frequency.\r\rFrequencies entered must be between 100 and 30000.");
    return std::nullopt;
  }
  return FormatFixedWidth(std::round(*khz * 10.0) * 0.1, 7, 1);
}

const std::vector<std::string>& FileDialogFilters() {
  static const std::vector<std::string> kFilters = {
      "Memory Files (*.MEM)|*.MEM",   "Log Files (*.LOG)|*.LOG",      "Text Files (*.TXT)|*.TXT",
      "Export Formats (*.FML)|*.FML", "Report Formats (*.FMR)|*.FMR", "Pan Files (*.PAN)|*.PAN",
      "All Files (*.*)|*.*"};
  return kFilters;
}

int FilterIndexForMask(std::string_view mask) {
  const std::string m = UpperStr(mask);
  static constexpr std::string_view kMasks[] = {"*.MEM", "*.LOG", "*.TXT",
                                                "*.FML", "*.FMR", "*.PAN"};
  for (int i = 0; i < 6; ++i) {
    if (m == kMasks[i]) return i + 1;
  }
  return 7;
}

std::string ApplyDefaultExtension(std::string name, std::string_view mask, int filter_index) {
  const std::size_t slash = name.find_last_of("/\\");
  const std::size_t base = slash == std::string::npos ? 0 : slash + 1;
  std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot < base) dot = std::string::npos;
  if (dot == std::string::npos && filter_index < 7) {
    name += '.';
    dot = name.size() - 1;
  }
  if (dot != std::string::npos && dot == name.size() - 1) {
    const std::size_t mask_dot = mask.find_last_of('.');
    if (mask_dot != std::string_view::npos) {
      std::string ext(mask.substr(mask_dot + 1, 3));
      for (char& c : ext) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      }
      if (ext.find('*') == std::string::npos) name += ext;
    }
  }
  return name;
}

bool PromptFileName(UserPrompts& prompts, std::string_view what, std::string_view mask,
                    std::string& name, bool may_create, bool for_open) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path saved_dir = fs::current_path(ec);

  FileDialogRequest r;
  r.for_open = for_open;
  r.filters = FileDialogFilters();
  r.filter_index = FilterIndexForMask(mask);
  r.initial_dir = saved_dir.string();
  r.initial_name = name;
  r.hide_read_only = true;
  r.path_must_exist = true;
  if (for_open) {
    r.title = "Open " + std::string(what) + " File";
    r.file_must_exist = !may_create;
  } else {
    r.title = "Save " + std::string(what) + " File As";
    r.overwrite_prompt = true;
  }
  FileDialogResult result = prompts.FileDialog(r);

  if (!saved_dir.empty()) fs::current_path(saved_dir, ec);
  if (!result.accepted || result.name.empty()) return false;
  name = ApplyDefaultExtension(std::move(result.name), mask, result.filter_index);
  return true;
}

}  // namespace r8
