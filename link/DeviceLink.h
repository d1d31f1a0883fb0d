#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

#include "constants/Board.h"
#include "link/CommandLink.h"

namespace quorvane {

// The tool's one UDP endpoint: every command leaves from localPort, every reply arrives there.
class DeviceLink : public QObject, public CommandLink {
  Q_OBJECT
 public:
  static constexpr quint16 kLocalPort = kToolPort;
  static constexpr quint16 kDevicePort = kBoardPort;
  static constexpr qint64 kMaxDatagram = kMaxUdpPayload;

  explicit DeviceLink(quint16 localPort = kLocalPort, quint16 devicePort = kDevicePort,
                      QHostAddress broadcastAddress = QHostAddress(QHostAddress::Broadcast),
                      QObject* parent = nullptr);

  // False when the local port could not be bound: then nothing is ever sent or received.
  bool IsBound() const { return bound_; }
  quint16 LocalPort() const;
  // What the socket's receive buffer holds, in bytes: raised at start for large fleets.
  int ReceiveBufferBytes() const { return receiveBufferBytes_; }
  void SetDevicePort(quint16 port) { devicePort_ = port; }
  quint16 DevicePort() const { return devicePort_; }

  // Only a dotted IPv4 address of one host is accepted: not 0.0.0.0/8, multicast, reserved,
  // 255.255.255.255 or the broadcast address of a local interface. Nothing is resolved, so
  // nothing can block.
  bool SendCommand(const std::string& text, const std::string& ip) override;
  bool BroadcastCommand(const std::string& text) override;
  // The search on one network: to 255.255.255.255 or to the broadcast address of a local
  // interface, nothing else.
  bool BroadcastCommandTo(const std::string& text, const QHostAddress& broadcast);

 signals:
  // Once per received datagram of one byte or more, with its bytes, the dotted IPv4 address it
  // came from and the index of the interface it arrived on (0 when unknown).
  void DatagramReceived(const QByteArray& bytes, const QString& sender, int interfaceIndex);

 private:
  bool SendTo(const std::string& text, const QHostAddress& address);
  static bool IsLocalBroadcast(const QHostAddress& address);
  void DrainPendingDatagrams();

  QUdpSocket socket_;
  bool bound_ = false;
  int receiveBufferBytes_ = 0;
  quint16 devicePort_;
  QHostAddress broadcastAddress_;
};

}  // namespace quorvane
