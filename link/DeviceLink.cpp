#include "link/DeviceLink.h"

#include <QNetworkDatagram>

#include "link/Ipv4Text.h"

namespace quorvane {

DeviceLink::DeviceLink(quint16 localPort, quint16 devicePort, QHostAddress broadcastAddress,
                       QObject* parent)
    : QObject(parent), devicePort_(devicePort), broadcastAddress_(std::move(broadcastAddress)) {
  // Exclusive: a second program on the same port must fail to bind, not share our replies.
  bound_ = socket_.bind(QHostAddress::AnyIPv4, localPort, QUdpSocket::DontShareAddress);
  if (!bound_) {
    socket_.close();
    return;
  }
  connect(&socket_, &QUdpSocket::readyRead, this, &DeviceLink::DrainPendingDatagrams);
}

quint16 DeviceLink::LocalPort() const { return bound_ ? socket_.localPort() : 0; }

bool DeviceLink::SendCommand(const std::string& text, const std::string& ip) {
  if (!IsDottedIpv4(ip)) return false;
  return SendTo(text, QHostAddress(QString::fromStdString(ip)));
}

bool DeviceLink::BroadcastCommand(const std::string& text) {
  return SendTo(text, broadcastAddress_);
}

bool DeviceLink::SendTo(const std::string& text, const QHostAddress& address) {
  if (!bound_ || address.isNull()) return false;
  if (static_cast<qint64>(text.size()) > kMaxDatagram) return false;
  qint64 sent =
      socket_.writeDatagram(text.data(), static_cast<qint64>(text.size()), address, devicePort_);
  return sent == static_cast<qint64>(text.size());
}

void DeviceLink::DrainPendingDatagrams() {
  while (socket_.hasPendingDatagrams()) {
    QNetworkDatagram datagram = socket_.receiveDatagram(kMaxDatagram);
    if (!datagram.isValid()) break;  // a receive error: drop it rather than spin on it
    if (datagram.data().isEmpty()) continue;
    const QHostAddress sender(datagram.senderAddress().toIPv4Address());
    emit DatagramReceived(datagram.data(), sender.toString());
  }
}

}  // namespace quorvane
