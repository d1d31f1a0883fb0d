#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "constants/Board.h"

namespace quorvane {

// One simulated board. Texts are GBK bytes, as on the wire.
struct SimulatedBoard {
  std::string id{};
  std::string ip{};  // the address it answers on; unicast datagrams to it are its own
  std::string version = "2.3";
  bool prohibited = false;
  std::string record{};  // the parameter record it answers "read" with, and replaces on a write
  qint64 restartingUntilMs = -1;
  std::string password = "5937";  // the access password, as boards leave the factory
  bool keysLocked = false;
  bool configModeOn = false;  // enters its configuration mode 30 s after power-up by itself
  std::string wifiSsid{};     // the network it was last told to join
  std::string wifiPassword{};
  int upgrades = 0;             // "OTA" commands taken
  bool answersRead = true;      // false: a board that is found but never answers "read"
  bool keepsOldRecord = false;  // true: stores a record it is sent but answers with the old one
  std::string storedRecord{};   // what such a board was last sent
};

// What arrived, exactly: where from, where to, which bytes.
struct ReceivedDatagram {
  QHostAddress source;
  quint16 sourcePort = 0;
  QHostAddress destination;
  QByteArray bytes;
};

// Plays any number of boards behind one socket on the board port. A broadcast (to
// 255.255.255.255 or to an interface's broadcast address) reaches every board on the network it
// arrived from: all of them when it came over loopback, otherwise those whose address lies in a
// subnet of the arriving interface. A unicast reaches the board whose address it was sent to. Each
// board answers the search, "read", its record, and the maintenance commands as the firmware does.
class BoardSimulator : public QObject {
  Q_OBJECT
 public:
  explicit BoardSimulator(QObject* parent = nullptr);

  void AddBoard(SimulatedBoard board);
  // How long a board stays silent after storing a record or a restart command, as a real one
  // does while restarting.
  void SetRestartMs(int ms) { restartMs_ = ms; }
  // 0: every board answers at once (a burst); otherwise one answer every this many
  // microseconds.
  void SetAnswerPaceMicros(qint64 micros) { paceMicros_ = micros; }
  bool Start(quint16 port = kBoardPort);
  ~BoardSimulator() override;

  // Every board whose record is in HTTP GET mode answers "GET /?command=..." on its address
  // at this port with "command <command> ok". False when any of them could not listen.
  bool StartHttp(quint16 port = 80);
  // The HTTP requests served so far, as "ADDRESS METHOD PATH", in order. Thread-safe.
  std::vector<std::string> HttpRequests() const;

  const std::vector<ReceivedDatagram>& Received() const { return received_; }
  void ClearReceived() { received_.clear(); }
  const SimulatedBoard* Board(const std::string& ip) const;
  SimulatedBoard* Board(const std::string& ip);
  // True while the board at this address is silent after storing a record.
  bool IsRestarting(const std::string& ip) const;
  // Replaces the record the board at this address holds; false when there is no such board.
  bool SetRecord(const std::string& ip, const std::string& record);

  // The search answer a board gives: "IP", ID, address, version and prohibit flag.
  static std::string SearchAnswerOf(const SimulatedBoard& board);

 signals:
  void DatagramLogged(const ReceivedDatagram& datagram);
  // From the HTTP threads; connect with a queued connection.
  void HttpRequestLogged(const QString& line);

 private:
  struct HttpBoard;
  void OnReadyRead();
  // The boards a broadcast arriving on this interface reaches.
  std::vector<SimulatedBoard*> BoardsOnLink(int interfaceIndex, const QHostAddress& destination);
  void Handle(SimulatedBoard& board, const QByteArray& bytes, const QHostAddress& peer,
              quint16 peerPort);
  void Reply(const std::string& text, const QHostAddress& peer, quint16 peerPort,
             const std::string& from);
  void SendNow(const std::string& text, const QHostAddress& peer, quint16 peerPort,
               const std::string& from);
  void SendPaced();
  void Restart(SimulatedBoard& board);

  QUdpSocket socket_;
  std::vector<SimulatedBoard> boards_;
  std::unordered_map<quint32, size_t> byAddress_;  // IPv4 address -> index in boards_
  struct PacedAnswer {
    std::string text;
    QHostAddress peer;
    quint16 peerPort;
    std::string from;
  };
  std::deque<PacedAnswer> paced_;
  QTimer paceTimer_;
  qint64 paceMicros_ = 0;
  qint64 nextPacedMicros_ = 0;
  std::vector<ReceivedDatagram> received_;
  QElapsedTimer clock_;
  int restartMs_ = 1500;
  std::vector<std::unique_ptr<HttpBoard>> httpBoards_;
  mutable std::mutex httpMutex_;
  std::vector<std::string> httpRequests_;
};

// The address of the board with this index when many are made: 127.0.0.2 onward, passing
// over every address ending in 255 (after 127.0.0.254 comes 127.0.1.0).
std::string BoardAddress(size_t index);

// A readable parameter record for a board that has not been written yet.
std::string DefaultRecordFor(int workModeDigit, const std::string& customId);

}  // namespace quorvane
