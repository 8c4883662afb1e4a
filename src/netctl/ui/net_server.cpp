#include "netctl/ui/net_server.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include "app/app_context.h"
#include "common/user_prompts.h"

namespace r8::netctl {

NetServer::NetServer(AppContext& ctx, QObject* parent, int idle_timeout_ms)
    : QObject(parent),
      ctx_(ctx),
      receiver_(ctx),
      core_(receiver_),
      idle_timeout_ms_(idle_timeout_ms) {
  connect(&server_, &QTcpServer::newConnection, this, &NetServer::Accept);
  // The Options dialog's OK refreshes the faceplate; a new NETPORT is taken up then.
  settings_follow_ = ctx_.events().display_refreshed.Subscribe([this](const RadioState&) {
    if (!from_command_line_ && ctx_.settings().net_port != settings_port_) Follow();
  });
}

NetServer::~NetServer() { Stop(); }

bool NetServer::Start(const std::optional<ListenAddress>& command_line) {
  from_command_line_ = command_line.has_value();
  settings_port_ = ctx_.settings().net_port;
  Stop();
  const std::optional<ListenAddress> address = ChooseListenAddress(command_line, settings_port_);
  if (!address) return false;
  if (Listen(*address)) return true;
  ShowMessage(ctx_.prompts(), MessageKind::kWarning, error_);
  return false;
}

void NetServer::Follow() { Start(std::nullopt); }

bool NetServer::Listen(const ListenAddress& address) {
  error_.clear();
  QHostAddress host(QHostAddress::LocalHost);
  if (address.host != "localhost" && !host.setAddress(QString::fromStdString(address.host))) {
    error_ = "The network control server cannot listen on " + address.host +
             ": that is not an address of this computer.";
    return false;
  }
  if (!server_.listen(host, static_cast<quint16>(address.port))) {
    error_ = "The network control server cannot listen on " + address.host + ":" +
             std::to_string(address.port) + ": " + server_.errorString().toStdString() +
             "\nAnother program (perhaps rigctld) may be using that port; choose another one "
             "on the Options dialog's Comms page.";
    return false;
  }
  return true;
}

void NetServer::Stop() {
  server_.close();
  while (!sockets_.empty()) Drop(sockets_.begin()->first);
}

void NetServer::Accept() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    const int id = next_id_++;
    sockets_[id] = socket;
    core_.Add(id);
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, this, [this, id] { Drop(id); });
    idle->start(idle_timeout_ms_);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, id, idle] {
      idle->start(idle_timeout_ms_);
      Read(socket, id);
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, id] { Drop(id); });
  }
}

void NetServer::Read(QTcpSocket* socket, int id) {
  const QByteArray bytes = socket->readAll();
  if (!core_.Feed(id,
                  std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    Drop(id);
    return;
  }
  if (core_.HasWork()) ScheduleRound();
}

void NetServer::Drop(int id) {
  const auto it = sockets_.find(id);
  if (it == sockets_.end()) return;
  QTcpSocket* socket = it->second;
  sockets_.erase(it);
  core_.Remove(id);
  socket->disconnect(this);
  socket->abort();
  socket->deleteLater();
}

void NetServer::ScheduleRound() {
  if (round_pending_) return;
  round_pending_ = true;
  QTimer::singleShot(0, this, &NetServer::RunRound);
}

void NetServer::RunRound() {
  round_pending_ = false;
  if (in_round_) {
    // A receiver exchange let events run; this round waits for the one under way.
    ScheduleRound();
    return;
  }
  in_round_ = true;
  const std::vector<NetServerCore::Output> outputs = core_.Round();
  in_round_ = false;
  for (const NetServerCore::Output& o : outputs) {
    const auto it = sockets_.find(o.client);
    if (it == sockets_.end()) continue;
    // A client that asks but never reads its answers would pile them up here without end.
    if (it->second->bytesToWrite() > kMaxUnreadReplyBytes) {
      Drop(o.client);
      continue;
    }
    it->second->write(o.reply.data(), static_cast<qint64>(o.reply.size()));
    if (o.close) {
      QTcpSocket* socket = it->second;
      sockets_.erase(it);
      core_.Remove(o.client);
      socket->disconnect(this);
      connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      socket->disconnectFromHost();
    }
  }
  if (core_.HasWork()) ScheduleRound();
}

}  // namespace r8::netctl
