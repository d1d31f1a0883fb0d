#include "app/MainScreen.h"

#include <cstdlib>

namespace quorvane {

MainScreen::MainScreen(CommandLink& link, Operator& person, const HostAddressSource& host)
    : exitProcess([] { std::_Exit(0); }),
      devices(*window.超级列表框1, *window.寻找按钮, link, person),
      form(window, devices, host),
      writer(*window.确认保存按钮, form, devices, link, person) {
  replies.Attach(ReplyKind::SearchAnswer,
                 [this](const std::string& text) { devices.AddDeviceRow(text); });
  replies.Attach(ReplyKind::ParameterRecord,
                 [this](const std::string& text) { form.ApplyParameterReply(text); });
  devices.SetFormReset([this] { form.ClearSettingsForm(); });
  QObject::connect(window.退出按钮, &QPushButton::clicked, [this] { exitProcess(); });

  // The boxes that wait for a choice start disabled; the home page shows.
  window.IP编辑框->setEnabled(false);
  window.网关编辑框->setEnabled(false);
  window.掩码编辑框->setEnabled(false);
  window.自定ID编辑框->setEnabled(false);
  window.高级选择夹->setCurrentIndex(MainWindow::kHomePage);
}

void MainScreen::HandleDatagram(const QByteArray& bytes) const {
  replies.HandleReply(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace quorvane
