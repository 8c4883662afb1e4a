#include "netctl/net_server_core.h"

namespace r8::netctl {
namespace {

bool IsTextByte(unsigned char c) { return (c >= 0x20 && c < 0x7f) || c == '\t' || c == '\r'; }

}  // namespace

void NetServerCore::Add(int client) { clients_[client]; }

void NetServerCore::Remove(int client) { clients_.erase(client); }

bool NetServerCore::Feed(int client, std::string_view bytes) {
  const auto it = clients_.find(client);
  if (it == clients_.end()) return false;
  Client& c = it->second;
  for (const char ch : bytes) {
    if (ch == '\n') {
      if (c.lines.size() >= kMaxQueuedLines) return false;
      c.lines.push_back(std::move(c.partial));
      c.partial.clear();
    } else if (!IsTextByte(static_cast<unsigned char>(ch)) || c.partial.size() >= kMaxLineLength) {
      return false;
    } else {
      c.partial += ch;
    }
  }
  return true;
}

bool NetServerCore::HasWork() const {
  for (const auto& [id, c] : clients_) {
    if (!c.lines.empty()) return true;
  }
  return false;
}

std::vector<NetServerCore::Output> NetServerCore::Round() {
  struct Taken {
    int client;
    RigRequest request;
  };
  std::vector<Taken> taken;
  bool needs_state = false;
  for (auto& [id, c] : clients_) {
    if (c.lines.empty()) continue;
    taken.push_back({id, ParseRigLine(c.lines.front())});
    c.lines.pop_front();
    needs_state = needs_state || taken.back().request.kind == RigKind::kGet;
  }
  // A busy receiver belongs to a scan or a memory exchange: its last state is the answer.
  if (needs_state && receiver_.Connected() && !receiver_.Busy()) {
    receiver_.Refresh();
    ++refreshes_;
  }
  std::vector<Output> out;
  bool changed = false;
  for (const Taken& t : taken) {
    Output o{t.client, AnswerRig(t.request, receiver_), t.request.kind == RigKind::kQuit};
    changed = changed || (t.request.kind == RigKind::kSet && o.reply.ends_with("RPRT 0\n"));
    out.push_back(std::move(o));
  }
  if (changed) {
    receiver_.Show();
    ++refreshes_;
  }
  return out;
}

}  // namespace r8::netctl
