#include "help/about_info.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace r8 {
namespace {

// /proc files pad with tabs as well as spaces.
std::string Trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return std::string(s);
}

// "Key:   value" lines; the value of the first line whose key is exactly key, trimmed.
std::optional<std::string> FieldOf(std::string_view text, std::string_view key) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    const std::size_t colon = line.find(':');
    if (colon != std::string_view::npos && Trimmed(line.substr(0, colon)) == key) {
      return Trimmed(line.substr(colon + 1));
    }
    start = end + 1;
  }
  return std::nullopt;
}

// "16314416 kB" in bytes.
std::optional<std::uint64_t> KibField(std::string_view text, std::string_view key) {
  const auto value = FieldOf(text, key);
  if (!value) return std::nullopt;
  std::uint64_t v = 0;
  std::size_t digits = 0;
  for (char c : *value) {
    if (c < '0' || c > '9') break;
    if (v > (UINT64_MAX / 10240)) return std::nullopt;
    v = v * 10 + static_cast<std::uint64_t>(c - '0');
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  return v * 1024;
}

}  // namespace

std::string SystemLabelText(const SystemFacts& s) {
  std::string text = s.os_name.empty() ? std::string("Unknown system") : s.os_name;
  if (!s.os_version.empty()) text += " v" + s.os_version;
  if (!s.processor.empty()) text += ", " + s.processor;
  return text;
}

std::string MemoryLabelText(const std::optional<MemoryFacts>& m) {
  if (!m || m->total_bytes == 0) return "Physical memory not known";
  const std::uint64_t available = std::min(m->available_bytes, m->total_bytes);
  const double load =
      100.0 * static_cast<double>(m->total_bytes - available) / static_cast<double>(m->total_bytes);
  const long long free_pct = 100 - std::llround(load);
  return std::to_string(m->total_bytes / 1000) + " kB Physical Memory, " +
         std::to_string(free_pct) + "% Free";
}

std::string DatabaseLabelText(const std::optional<DatabaseCounts>& d) {
  if (!d || d->frequencies <= 0) return "Database not loaded";
  return std::to_string(d->frequencies) + " Frequencies, " + std::to_string(d->stations) +
         " Stations in Database";
}

std::optional<MemoryFacts> ParseMemInfo(std::string_view meminfo) {
  const auto total = KibField(meminfo, "MemTotal");
  if (!total) return std::nullopt;
  auto available = KibField(meminfo, "MemAvailable");
  if (!available) available = KibField(meminfo, "MemFree");
  return MemoryFacts{*total, available.value_or(0)};
}

std::string ParseCpuModel(std::string_view cpuinfo) {
  for (std::string_view key : {"model name", "Processor", "cpu model", "cpu"}) {
    const auto v = FieldOf(cpuinfo, key);
    if (v && !v->empty()) {
      // Some systems pad the model name with runs of spaces.
      std::string out;
      for (char c : *v) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
      }
      return out;
    }
  }
  return {};
}

}  // namespace r8
