#include "link/DeviceLink.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>

#include "link/Ipv4Text.h"
#include "link/ReceiveBuffer.h"

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
  receiveBufferBytes_ = RaiseReceiveBuffer(socket_.socketDescriptor());
  connect(&socket_, &QUdpSocket::readyRead, this, &DeviceLink::DrainPendingDatagrams);
}

quint16 DeviceLink::LocalPort() const { return bound_ ? socket_.localPort() : 0; }

bool DeviceLink::SendCommand(const std::string& text, const std::string& ip) {
  // A command goes to one board: an address that reaches many (or none) is refused, whatever
  // a search answer claimed.
  if (!IsSingleHostAddress(ip)) return false;
  const QHostAddress address(QString::fromStdString(ip));
  if (IsLocalBroadcast(address)) return false;
  return SendTo(text, address);
}

bool DeviceLink::IsLocalBroadcast(const QHostAddress& address) {
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      if (!entry.broadcast().isNull() && entry.broadcast() == address) return true;
    }
  }
  return false;
}

bool DeviceLink::BroadcastCommand(const std::string& text) {
  return SendTo(text, broadcastAddress_);
}

bool DeviceLink::BroadcastCommandTo(const std::string& text, const QHostAddress& broadcast) {
  const bool limited = broadcast == QHostAddress(QHostAddress::Broadcast);
  if (!limited && !IsLocalBroadcast(broadcast)) return false;
  return SendTo(text, broadcast);
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
    emit DatagramReceived(datagram.data(), sender.toString(), datagram.interfaceIndex());
  }
}

}  // namespace quorvane
