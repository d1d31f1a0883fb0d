// Runs inside a private network namespace: the product's ports are free and nothing leaves it.
#include "link/DeviceLink.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

#include "link/ReceiveBuffer.h"

#include "tests/support/Printers.h"

namespace quorvane {
namespace {

QNetworkDatagram WaitForDatagram(QUdpSocket& socket) {
  if (!socket.hasPendingDatagrams()) socket.waitForReadyRead(3000);
  return socket.receiveDatagram();
}

TEST(DeviceLink, SendsFromItsPortToTheBoardPort) {
  QUdpSocket board;
  ASSERT_TRUE(board.bind(QHostAddress::AnyIPv4, DeviceLink::kDevicePort));
  DeviceLink link;
  ASSERT_TRUE(link.IsBound());

  EXPECT_TRUE(link.SendCommand("read", "127.0.0.3"));
  QNetworkDatagram unicast = WaitForDatagram(board);
  EXPECT_EQ(unicast.data(), QByteArray("read"));
  EXPECT_EQ(unicast.senderPort(), DeviceLink::kLocalPort);
  EXPECT_EQ(unicast.destinationAddress(), QHostAddress(QStringLiteral("127.0.0.3")));

  EXPECT_TRUE(link.BroadcastCommand("ss"));
  QNetworkDatagram broadcast = WaitForDatagram(board);
  EXPECT_EQ(broadcast.data(), QByteArray("ss"));
  EXPECT_EQ(broadcast.senderPort(), DeviceLink::kLocalPort);
  EXPECT_EQ(broadcast.destinationAddress(), QHostAddress(QHostAddress::Broadcast));
}

TEST(DeviceLink, RefusesAddressesThatAreNotDottedIpv4) {
  DeviceLink link;
  ASSERT_TRUE(link.IsBound());
  for (const char* ip : {"", "localhost", "1.2.3", "127.0.0.1 ", "256.0.0.1"}) {
    SCOPED_TRACE(ip);
    EXPECT_FALSE(link.SendCommand("read", ip));
  }
  EXPECT_FALSE(link.SendCommand(std::string(70000, 'x'), "127.0.0.1"));  // too big for UDP
}

TEST(DeviceLink, RefusesTargetsThatAreNotOneBoard) {
  // A second interface inside this private namespace, so that it has a broadcast address.
  ASSERT_EQ(std::system("ip link add q0 type veth peer name q1 && "
                        "ip addr add 10.77.0.1/24 brd + dev q0 && ip link set q0 up && "
                        "ip link set q1 up"),
            0);
  QUdpSocket board;
  ASSERT_TRUE(board.bind(QHostAddress::AnyIPv4, DeviceLink::kDevicePort));
  DeviceLink link;
  ASSERT_TRUE(link.IsBound());
  for (const char* many : {"255.255.255.255", "0.0.0.0", "0.0.0.9", "224.0.0.1", "239.255.255.250",
                           "240.0.0.1", "10.77.0.255"}) {
    SCOPED_TRACE(many);
    EXPECT_FALSE(link.SendCommand("read", many));
  }
  EXPECT_TRUE(link.SendCommand("read", "127.0.0.2"));  // loopback boards stay allowed
  QNetworkDatagram first = WaitForDatagram(board);
  EXPECT_EQ(first.destinationAddress(), QHostAddress(QStringLiteral("127.0.0.2")));
  EXPECT_FALSE(board.hasPendingDatagrams());
}

TEST(DeviceLink, RaisesItsReceiveBufferForLargeFleets) {
  DeviceLink link;
  ASSERT_TRUE(link.IsBound());
  if (geteuid() == 0) {
    EXPECT_GE(link.ReceiveBufferBytes(), kWantedReceiveBufferBytes);  // the forced size
  } else {
    EXPECT_GT(link.ReceiveBufferBytes(), 0);  // as far as the system's limit allows
  }
}

TEST(DeviceLink, WithoutItsPortEverySendFailsAndStartUpGoesOn) {
  QUdpSocket squatter;
  ASSERT_TRUE(squatter.bind(QHostAddress::AnyIPv4, DeviceLink::kLocalPort));
  DeviceLink link;
  EXPECT_FALSE(link.IsBound());
  EXPECT_FALSE(link.SendCommand("read", "127.0.0.2"));
  EXPECT_FALSE(link.BroadcastCommand("ss"));
}

TEST(DeviceLink, RaisesOneEventPerNonEmptyDatagramReadWhole) {
  DeviceLink link;
  ASSERT_TRUE(link.IsBound());
  QSignalSpy received(&link, &DeviceLink::DatagramReceived);
  QUdpSocket board;
  ASSERT_TRUE(board.bind(QHostAddress::AnyIPv4, DeviceLink::kDevicePort));

  const QByteArray big(65507, 'P');
  const QByteArray withNul("ksok\0tail", 9);
  const QHostAddress tool(QHostAddress::LocalHost);
  // Several datagrams queue up before the event loop runs: all are drained.
  board.writeDatagram(QByteArray("IP,A,127.0.0.2"), tool, DeviceLink::kLocalPort);
  board.writeDatagram(QByteArray(), tool, DeviceLink::kLocalPort);
  board.writeDatagram(withNul, tool, DeviceLink::kLocalPort);
  board.writeDatagram(big, tool, DeviceLink::kLocalPort);
  board.writeDatagram(QByteArray("sdok"), tool, DeviceLink::kLocalPort);
  // Loopback keeps one sender's order: once this marker is in, every earlier datagram is too.
  board.writeDatagram(QByteArray("end"), tool, DeviceLink::kLocalPort);

  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return !received.isEmpty() && received.last()[0].toByteArray() == "end"; }, 3000));
  ASSERT_EQ(received.size(), 5);  // the empty datagram raised nothing
  EXPECT_EQ(received[0][0].toByteArray(), QByteArray("IP,A,127.0.0.2"));
  EXPECT_EQ(received[1][0].toByteArray(), withNul);
  EXPECT_EQ(received[2][0].toByteArray(), big);
  EXPECT_EQ(received[3][0].toByteArray(), QByteArray("sdok"));
}

}  // namespace
}  // namespace quorvane
