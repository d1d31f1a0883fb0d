#pragma once

#include <QObject>
#include <QPushButton>
#include <array>

#include "link/DeviceListPanel.h"
#include "mqtt/TemplateFile.h"
#include "mqtt/TimeStamps.h"
#include "operator/Operator.h"
#include "text/ByteLimitedLineEdit.h"

namespace quorvane {

// The controls the MQTT tools own on the MQTT page.
struct MqttControls {
  // Address, port, account, password, client ID, subscribe topic, publish topic: the
  // template's key order.
  std::array<ByteLimitedLineEdit*, 7> boxes{};
  QPushButton* generate = nullptr;      // "生成"
  QPushButton* fill = nullptr;          // "填入"
  QPushButton* saveTemplate = nullptr;  // "存模板"
  QPushButton* loadTemplate = nullptr;  // "使用模板"
};

// Client ID and topic generation, the subscribe topic mirrored into the publish topic, and
// the template file. Talks to no board.
class MqttTools : public QObject {
  Q_OBJECT
 public:
  MqttTools(const MqttControls& controls, const DeviceListPanel& devices, Operator& person,
            const Clock& clock, TemplateFile templateFile);

  void GenerateClientId();
  void FillTopics();
  void SaveTemplate();
  void LoadTemplate();

 private:
  ByteLimitedLineEdit& ClientId() const { return *c_.boxes[4]; }
  ByteLimitedLineEdit& SubscribeTopic() const { return *c_.boxes[5]; }
  ByteLimitedLineEdit& PublishTopic() const { return *c_.boxes[6]; }

  MqttControls c_;
  const DeviceListPanel& devices_;
  Operator& person_;
  const Clock& clock_;
  TemplateFile templateFile_;
};

}  // namespace quorvane
