#include "tools/boardsim/BoardSimulator.h"

#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <cstring>

#include <utility>

#include "link/SplitText.h"

namespace quorvane {

struct BoardSimulator::HttpBoard {
  httplib::Server server;
  std::thread thread;
};

BoardSimulator::~BoardSimulator() {
  for (auto& board : httpBoards_) board->server.stop();
  for (auto& board : httpBoards_) {
    if (board->thread.joinable()) board->thread.join();
  }
}

bool BoardSimulator::StartHttp(quint16 port) {
  bool all = true;
  for (const SimulatedBoard& board : boards_) {
    const std::vector<std::string> pieces = SplitText(board.record, '|');
    if (pieces.size() < 3 || pieces[2] != "3") continue;  // only boards in HTTP GET mode

    auto http = std::make_unique<HttpBoard>();
    const std::string ip = board.ip;
    http->server.Get("/", [this, ip](const httplib::Request& request, httplib::Response& response) {
      const std::string command = request.get_param_value("command");
      {
        std::lock_guard lock(httpMutex_);
        httpRequests_.push_back(ip + " " + request.method + " " + request.target);
      }
      emit HttpRequestLogged(
          QString::fromStdString(ip + " " + request.method + " " + request.target));
      response.set_content("command " + command + " ok", "text/plain");
    });
    if (!http->server.bind_to_port(ip.c_str(), port)) {
      all = false;
      continue;
    }
    http->thread = std::thread([server = &http->server] { server->listen_after_bind(); });
    // Until it runs, a stop would be missed and the thread never end.
    while (!http->server.is_running()) std::this_thread::yield();
    httpBoards_.push_back(std::move(http));
  }
  return all;
}

std::vector<std::string> BoardSimulator::HttpRequests() const {
  std::lock_guard lock(httpMutex_);
  return httpRequests_;
}

BoardSimulator::BoardSimulator(QObject* parent) : QObject(parent) {
  paceTimer_.setInterval(0);
  connect(&paceTimer_, &QTimer::timeout, this, &BoardSimulator::SendPaced);
  clock_.start();
  connect(&socket_, &QUdpSocket::readyRead, this, &BoardSimulator::OnReadyRead);
}

void BoardSimulator::AddBoard(SimulatedBoard board) {
  byAddress_[QHostAddress(QString::fromStdString(board.ip)).toIPv4Address()] = boards_.size();
  boards_.push_back(std::move(board));
}

std::string BoardAddress(size_t index) {
  // 127.0.0.2 onward, passing over every x.x.x.255.
  quint32 address = (127u << 24) + 2;
  for (size_t i = 0; i < index; ++i) {
    ++address;
    if ((address & 0xFF) == 0xFF) ++address;
  }
  return QHostAddress(address).toString().toStdString();
}

bool BoardSimulator::Start(quint16 port) {
  return socket_.bind(QHostAddress::AnyIPv4, port, QUdpSocket::DontShareAddress);
}

const SimulatedBoard* BoardSimulator::Board(const std::string& ip) const {
  auto found = byAddress_.find(QHostAddress(QString::fromStdString(ip)).toIPv4Address());
  return found == byAddress_.end() ? nullptr : &boards_[found->second];
}

SimulatedBoard* BoardSimulator::Board(const std::string& ip) {
  return const_cast<SimulatedBoard*>(std::as_const(*this).Board(ip));
}

bool BoardSimulator::IsRestarting(const std::string& ip) const {
  const SimulatedBoard* board = Board(ip);
  return board && clock_.elapsed() < board->restartingUntilMs;
}

bool BoardSimulator::SetRecord(const std::string& ip, const std::string& record) {
  SimulatedBoard* board = Board(ip);
  if (board) board->record = record;
  return board != nullptr;
}

std::string BoardSimulator::SearchAnswerOf(const SimulatedBoard& board) {
  return "IP," + board.id + "," + board.ip + "," + board.version + "," +
         (board.prohibited ? "1" : "0");
}

void BoardSimulator::OnReadyRead() {
  while (socket_.hasPendingDatagrams()) {
    QNetworkDatagram datagram = socket_.receiveDatagram(kMaxUdpPayload);
    if (!datagram.isValid()) break;
    ReceivedDatagram logged{datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()),
                            datagram.destinationAddress(), datagram.data()};
    received_.push_back(logged);
    emit DatagramLogged(logged);

    const QHostAddress to = datagram.destinationAddress();
    const auto peerPort = static_cast<quint16>(datagram.senderPort());
    if (auto found = byAddress_.find(to.toIPv4Address()); found != byAddress_.end()) {
      Handle(boards_[found->second], datagram.data(), datagram.senderAddress(), peerPort);
    } else {
      for (SimulatedBoard* board : BoardsOnLink(datagram.interfaceIndex(), to)) {
        Handle(*board, datagram.data(), datagram.senderAddress(), peerPort);
      }
    }
  }
}

std::vector<SimulatedBoard*> BoardSimulator::BoardsOnLink(int interfaceIndex,
                                                          const QHostAddress& destination) {
  std::vector<SimulatedBoard*> reached;
  const QNetworkInterface arrival = QNetworkInterface::interfaceFromIndex(interfaceIndex);
  const bool limited = destination == QHostAddress(QHostAddress::Broadcast);
  if (limited && (!arrival.isValid() || arrival.flags().testFlag(QNetworkInterface::IsLoopBack))) {
    for (SimulatedBoard& board : boards_) reached.push_back(&board);
    return reached;
  }
  if (!arrival.isValid()) return reached;
  std::vector<QNetworkAddressEntry> subnets;
  for (const QNetworkAddressEntry& entry : arrival.addressEntries()) {
    if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol) continue;
    if (limited || entry.broadcast() == destination) subnets.push_back(entry);
  }
  for (SimulatedBoard& board : boards_) {
    const QHostAddress address(QString::fromStdString(board.ip));
    for (const QNetworkAddressEntry& entry : subnets) {
      if (address.isInSubnet(entry.ip(), entry.prefixLength())) {
        reached.push_back(&board);
        break;
      }
    }
  }
  return reached;
}

void BoardSimulator::Handle(SimulatedBoard& board, const QByteArray& bytes,
                            const QHostAddress& peer, quint16 peerPort) {
  if (clock_.elapsed() < board.restartingUntilMs) return;  // still restarting: deaf
  const std::string text = bytes.toStdString();
  auto reply = [&](const std::string& answer) { Reply(answer, peer, peerPort, board.ip); };
  if (text == "ss") {
    reply(SearchAnswerOf(board));
  } else if (text == "read") {
    if (board.answersRead) reply(board.record);
  } else if (text.starts_with("parameter|")) {
    (board.keepsOldRecord ? board.storedRecord : board.record) = text;
    Restart(board);
  } else if (text == "rest") {
    Restart(board);
  } else if (text == "OTA") {
    ++board.upgrades;
  } else if (text == "qh") {
    reply(board.keysLocked ? "sdok" : "ksok");
  } else if (text == "sd" || text == "ks") {
    board.keysLocked = text == "sd";
  } else if (text == "appz=?") {
    reply(board.configModeOn ? "appz=1" : "appz=0");
  } else if (text == "appz=0" || text == "appz=1") {
    board.configModeOn = text == "appz=1";
    reply("appz_ok");
  } else if (text.starts_with("password=")) {
    reply(text.substr(9) == board.password ? "password=1" : "password=0");
  } else if (text == "prohibit=0" || text == "prohibit=1") {
    board.prohibited = text == "prohibit=1";
  } else if (text.starts_with("szpassword=")) {
    board.password = text.substr(11);
  } else if (text.starts_with("wifi=")) {
    const std::vector<std::string> fields = SplitText(text.substr(5), '|');
    board.wifiSsid = fields.size() > 0 ? fields[0] : std::string();
    board.wifiPassword = fields.size() > 1 ? fields[1] : std::string();
    reply("wifi_ok");
  }
}

void BoardSimulator::Restart(SimulatedBoard& board) {
  board.restartingUntilMs = clock_.elapsed() + restartMs_;
}

void BoardSimulator::Reply(const std::string& text, const QHostAddress& peer, quint16 peerPort,
                           const std::string& from) {
  if (paceMicros_ > 0) {
    paced_.push_back({text, peer, peerPort, from});
    if (!paceTimer_.isActive()) paceTimer_.start();
    return;
  }
  SendNow(text, peer, peerPort, from);
}

void BoardSimulator::SendPaced() {
  // One answer every paceMicros_, as far as the clock has come.
  const qint64 now = clock_.nsecsElapsed() / 1000;
  if (nextPacedMicros_ < now - paceMicros_) nextPacedMicros_ = now;
  while (!paced_.empty() && nextPacedMicros_ <= now) {
    const PacedAnswer answer = std::move(paced_.front());
    paced_.pop_front();
    SendNow(answer.text, answer.peer, answer.peerPort, answer.from);
    nextPacedMicros_ += paceMicros_;
  }
  if (paced_.empty()) paceTimer_.stop();
}

void BoardSimulator::SendNow(const std::string& text, const QHostAddress& peer, quint16 peerPort,
                             const std::string& from) {
  // A broadcast from an unconfigured source arrives from 0.0.0.0; answer on loopback then.
  const QHostAddress to =
      peer == QHostAddress(QHostAddress::AnyIPv4) ? QHostAddress(QHostAddress::LocalHost) : peer;
  // From the board's own address, as a real board answers: IP_PKTINFO's ipi_spec_dst picks the
  // source address (Qt's own sender option sets a field Linux ignores when sending).
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(peerPort);
  target.sin_addr.s_addr = htonl(to.toIPv4Address());
  iovec payload{const_cast<char*>(text.data()), text.size()};
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
  msghdr message{};
  message.msg_name = &target;
  message.msg_namelen = sizeof target;
  message.msg_iov = &payload;
  message.msg_iovlen = 1;
  message.msg_control = control;
  message.msg_controllen = sizeof control;
  cmsghdr* header = CMSG_FIRSTHDR(&message);
  header->cmsg_level = IPPROTO_IP;
  header->cmsg_type = IP_PKTINFO;
  header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
  in_pktinfo info{};
  info.ipi_spec_dst.s_addr = htonl(QHostAddress(QString::fromStdString(from)).toIPv4Address());
  std::memcpy(CMSG_DATA(header), &info, sizeof info);
  ::sendmsg(static_cast<int>(socket_.socketDescriptor()), &message, 0);
}

std::string DefaultRecordFor(int workModeDigit, const std::string& customId) {
  const std::string base = "parameter|2|" + std::to_string(workModeDigit) + "|0|" +
                           (customId.empty() ? "0|ID" : "1|" + customId) +
                           "|0,0,0,0|0,0,0,0|0,0,0,0";
  switch (workModeDigit) {
    case 1: return base + "|192.168.1.10|8080|1|0|0";
    case 4: return base + "|0123456789abcdef0123456789abcdef";
    case 5: return base + "|broker.local|1883|user|secret|board01|relay/in|relay/out";
    default: return base;
  }
}

}  // namespace quorvane
