#include "netctl/listen_address.h"

namespace r8::netctl {

std::optional<ListenAddress> ParseListenAddress(std::string_view text) {
  ListenAddress a;
  std::string_view port = text;
  const std::size_t colon = text.rfind(':');
  if (colon != std::string_view::npos) {
    std::string_view host = text.substr(0, colon);
    port = text.substr(colon + 1);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
      host = host.substr(1, host.size() - 2);
    if (host.empty()) return std::nullopt;
    a.host = std::string(host);
  }
  if (port.empty() || port.size() > 5) return std::nullopt;
  int value = 0;
  for (const char c : port) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > 65535) return std::nullopt;
  a.port = value;
  return a;
}

std::optional<ListenAddress> ChooseListenAddress(const std::optional<ListenAddress>& command_line,
                                                 int net_port) {
  if (command_line) return command_line;
  if (net_port < 1 || net_port > 65535) return std::nullopt;
  return ListenAddress{std::string(kLoopback), net_port};
}

}  // namespace r8::netctl
