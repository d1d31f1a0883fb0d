#include "app/Program.h"

namespace quorvane {

Program::Program(const QString& templatePath)
    : screen({数据报1, person, host, clock, templatePath}) {
  person.SetParentWindow(&screen.window);
  QObject::connect(&数据报1, &DeviceLink::DatagramReceived,
                   [this](const QByteArray& bytes, const QString& sender) {
                     screen.HandleDatagram(bytes, sender);
                   });
}

}  // namespace quorvane
