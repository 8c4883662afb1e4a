// Where the network control server listens: the command line's "[ADDR:]PORT" for one run, or
// the settings' port on the loopback address.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace r8::netctl {

inline constexpr int kDefaultNetPort = 4532;
inline constexpr std::string_view kLoopback = "127.0.0.1";

struct ListenAddress {
  std::string host{kLoopback};
  int port = 0;
  bool operator==(const ListenAddress&) const = default;
};

// "4532", "0.0.0.0:4532", "[::1]:4532"; nullopt for anything else (a port outside 1..65535, an
// empty host).
std::optional<ListenAddress> ParseListenAddress(std::string_view text);

// The address for this run: the command line's when given, else NETPORT on the loopback
// address; nullopt when the server stays off.
std::optional<ListenAddress> ChooseListenAddress(const std::optional<ListenAddress>& command_line,
                                                 int net_port);

}  // namespace r8::netctl
