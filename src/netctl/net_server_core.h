// The network control server without its sockets: each client's bytes cut into lines, and rounds
// in which every client with a waiting line gets one answer, in turn. A round reads the receiver
// at most once, however many clients asked, and shows the faceplate what set commands changed
// once at its end.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "netctl/rig_protocol.h"

namespace r8::netctl {

// A line longer than this (without its line feed) ends the client.
inline constexpr std::size_t kMaxLineLength = 1024;
// Lines waiting from one client beyond this end it: it sends faster than it reads.
inline constexpr std::size_t kMaxQueuedLines = 64;

class NetServerCore {
 public:
  explicit NetServerCore(RigReceiver& receiver) : receiver_(receiver) {}

  void Add(int client);
  void Remove(int client);
  // Takes a client's bytes. False when the client must be dropped: a line over kMaxLineLength,
  // bytes that are not text, or too many lines waiting.
  [[nodiscard]] bool Feed(int client, std::string_view bytes);
  bool HasWork() const;

  struct Output {
    int client = 0;
    std::string reply;
    bool close = false;  // the client said quit
  };
  std::vector<Output> Round();

  std::size_t client_count() const { return clients_.size(); }
  // Receiver reads made by rounds so far.
  long long refreshes() const { return refreshes_; }

 private:
  struct Client {
    std::string partial;
    std::deque<std::string> lines;
  };
  RigReceiver& receiver_;
  std::map<int, Client> clients_;
  long long refreshes_ = 0;
};

}  // namespace r8::netctl
