#include "app/MainScreen.h"

#include <cstdlib>

#include "help/NotesAddress.h"

namespace quorvane {

SettingsControls SettingsControlsOf(MainWindow& w) {
  SettingsControls c;
  c.pages = w.高级选择夹;
  c.powerRadios = {w.上电关单选框, w.上电开单选框, w.断电记忆单选框};
  c.customIdCheck = w.自定ID选择框;
  c.addressRadios = {w.动态IP单选框, w.静态IP单选框};
  c.modeRadios = {w.Client单选框, w.Server单选框, w.http单选框, w.巴法TCP单选框, w.MQTT单选框};
  c.heartbeatRadios = {w.无心跳单选框, w.Heartbeat心跳单选框, w.ID心跳单选框};
  c.reconnectHourly = w.间隔1小时选择框;
  c.reconnectOnSilence = w.收不到100秒选择框;
  auto box = [&c](FormField field, TextField* control) {
    c.boxes[static_cast<size_t>(field)] = control;
  };
  box(FormField::CustomId, w.自定ID编辑框);
  box(FormField::IpAddress, w.IP编辑框);
  box(FormField::Gateway, w.网关编辑框);
  box(FormField::Netmask, w.掩码编辑框);
  box(FormField::ServerAddress, w.服务器TCP地址编辑框);
  box(FormField::ServerPort, w.服务器TCP端口编辑框);
  box(FormField::BemfaKey, w.巴法云私钥编辑框);
  box(FormField::MqttHost, w.mqtt地址编辑框);
  box(FormField::MqttPort, w.mqtt端口编辑框);
  box(FormField::MqttAccount, w.mqtt账号编辑框);
  box(FormField::MqttPassword, w.mqtt密码编辑框);
  box(FormField::MqttClientId, w.mqtt_ID编辑框);
  box(FormField::MqttSubscribeTopic, w.mqtt订阅编辑框);
  box(FormField::MqttPublishTopic, w.mqtt发布编辑框);
  c.tcpServerAddress = w.透明标签10;
  c.httpGetUrl = w.get编辑框;
  c.httpGetAnswer = w.返回内容标签;
  return c;
}

MqttControls MqttControlsOf(MainWindow& w) {
  MqttControls c;
  c.boxes = {w.mqtt地址编辑框, w.mqtt端口编辑框, w.mqtt账号编辑框, w.mqtt密码编辑框,
             w.mqtt_ID编辑框,  w.mqtt订阅编辑框, w.mqtt发布编辑框};
  c.generate = w.mqtt生成按钮;
  c.fill = w.mqtt填入按钮;
  c.saveTemplate = w.mqtt存模板按钮;
  c.loadTemplate = w.mqtt使用模板按钮;
  return c;
}

HelpControls HelpControlsOf(MainWindow& w) {
  HelpControls c;
  c.faq = {w.超级链接框1, w.超级链接框2, w.超级链接框3, w.超级链接框4, w.超级链接框5,
           w.超级链接框6, w.超级链接框7, w.超级链接框8, w.超级链接框13};
  c.releaseNotes = w.超级链接框11;
  c.companionApp = w.超级链接框12;
  c.bemfaDocumentation = w.超级链接框9;
  c.bemfaHome = w.超级链接框10;
  return c;
}

std::string DefaultNotesUrl() { return NotesRequestUrl(QString::fromUtf8(kConfiguredNotesUrl)); }

MainScreen::MainScreen(const ScreenServices& s)
    // The exit button ends the process at once with 0, as operators know it: no question, and
    // nothing to save, since nothing about boards outlives a run.
    : exitProcess([] { std::_Exit(0); }),
      devices(*window.超级列表框1, *window.寻找按钮, s.link, s.person),
      form(SettingsControlsOf(window), devices, s.host),
      writer(*window.确认保存按钮, form, devices, s.link, s.person),
      maintenance(BoardAccess{devices, s.link, s.person}),
      maintenanceAnswers(devices, s.link, s.person, [this] { maintenance.OpenProhibitWindow(); }),
      mqtt(MqttControlsOf(window), devices, s.person, s.clock, TemplateFile(s.templatePath)),
      httpGet(HttpGetControls{window.get编辑框, window.GET请求按钮1, window.返回内容标签,
                              window.GET请求按钮},
              s.person, s.fetch),
      help(HelpControlsOf(window), s.person, s.notesUrl, s.notesFetch) {
  devices.AttachReactions(replies);
  form.AttachReactions(replies);
  maintenanceAnswers.AttachReactions(replies);
  devices.SetFormReset([this] { form.ClearSettingsForm(); });
  QObject::connect(window.退出按钮, &QPushButton::clicked, [this] { exitProcess(); });
}

void MainScreen::HandleDatagram(const QByteArray& bytes, const QString& sender) const {
  replies.HandleReply(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                      sender.toStdString());
}

}  // namespace quorvane
