#include "mqtt/MqttTools.h"

#include "text/GbkText.h"

namespace quorvane {

MqttTools::MqttTools(const MqttControls& controls, const DeviceListPanel& devices, Operator& person,
                     const Clock& clock, TemplateFile templateFile)
    : c_(controls),
      devices_(devices),
      person_(person),
      clock_(clock),
      templateFile_(std::move(templateFile)) {
  connect(c_.generate, &QPushButton::clicked, this, &MqttTools::GenerateClientId);
  connect(c_.fill, &QPushButton::clicked, this, &MqttTools::FillTopics);
  connect(c_.saveTemplate, &QPushButton::clicked, this, &MqttTools::SaveTemplate);
  connect(c_.loadTemplate, &QPushButton::clicked, this, &MqttTools::LoadTemplate);
  // Every change, typed or written by the program: whoever sets both topics sets the
  // subscribe topic first.
  connect(&SubscribeTopic(), &QLineEdit::textChanged, &PublishTopic(), &QLineEdit::setText);
}

void MqttTools::GenerateClientId() {
  ClientId().setText(QStringLiteral("ESP_") + QString::fromStdString(TickStamp(clock_.Now())));
}

void MqttTools::FillTopics() {
  if (auto id = devices_.SelectedCell(DeviceListPanel::kId)) {
    SubscribeTopic().setText(FromGbk(*id));
    return;
  }
  const std::string stamp = MillisecondStamp(clock_.Now());
  SubscribeTopic().setText(QString::fromStdString(stamp.substr(stamp.size() - 12)));
}

void MqttTools::SaveTemplate() {
  MqttTemplateValues values;
  for (size_t i = 0; i < values.size(); ++i) {
    // The boxes refuse what GBK cannot encode as it is typed; a board's undecodable text is
    // refused here rather than saved altered.
    auto bytes = ToGbk(c_.boxes[i]->text());
    if (!bytes) {
      person_.ShowMessage(QStringLiteral("模板保存失败！"));
      return;
    }
    values[i] = *bytes;
  }
  // Silence would let the operator believe the template is kept.
  if (!templateFile_.Save(values)) person_.ShowMessage(QStringLiteral("模板保存失败！"));
}

void MqttTools::LoadTemplate() {
  const MqttTemplateValues values = templateFile_.Load();
  // In key order: the subscribe topic before the publish topic, which keeps its stored value.
  for (size_t i = 0; i < values.size(); ++i) c_.boxes[i]->setText(FromGbk(values[i]));
}

}  // namespace quorvane
