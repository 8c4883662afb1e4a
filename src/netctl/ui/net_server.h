// The network control server on the GUI thread: a QTcpServer whose clients' lines go through the
// one receiver link in rounds between the program's other events, so the faceplate, scans and
// timers keep their turn.
#pragma once

#include <map>
#include <optional>
#include <string>

#include <QObject>
#include <QTcpServer>

#include "common/events.h"
#include "netctl/context_receiver.h"
#include "netctl/listen_address.h"
#include "netctl/net_server_core.h"

class QTcpSocket;

namespace r8 {
class AppContext;
}

namespace r8::netctl {

// A client that sends nothing for this long is let go.
inline constexpr int kIdleTimeoutMs = 10 * 60 * 1000;
// Answers a client has left unread beyond this end it.
inline constexpr qint64 kMaxUnreadReplyBytes = 64 * 1024;

class NetServer : public QObject {
  Q_OBJECT

 public:
  explicit NetServer(AppContext& ctx, QObject* parent = nullptr,
                     int idle_timeout_ms = kIdleTimeoutMs);
  ~NetServer() override;

  // Listens where the command line says for this run, else on NETPORT at the loopback address, or
  // not at all. Later changes of NETPORT (the Options dialog) are followed unless the command line
  // chose. A port that cannot be had is told to the user; returns whether it listens.
  bool Start(const std::optional<ListenAddress>& command_line);
  void Stop();

  bool listening() const { return server_.isListening(); }
  quint16 port() const { return server_.serverPort(); }
  // Why the last Start could not listen, in words for the user; empty when it could.
  const std::string& error() const { return error_; }
  NetServerCore& core() { return core_; }
  std::size_t client_count() const { return sockets_.size(); }

 private:
  bool Listen(const ListenAddress& address);
  void Follow();
  void Accept();
  void Read(QTcpSocket* socket, int id);
  void Drop(int id);
  void ScheduleRound();
  void RunRound();

  AppContext& ctx_;
  ContextReceiver receiver_;
  NetServerCore core_;
  QTcpServer server_;
  std::map<int, QTcpSocket*> sockets_;
  int next_id_ = 1;
  int idle_timeout_ms_;
  bool round_pending_ = false;
  bool in_round_ = false;
  bool from_command_line_ = false;
  int settings_port_ = 0;
  std::string error_;
  Subscription settings_follow_;
};

}  // namespace r8::netctl
