#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvane {

// The seven MQTT fields as GBK bytes, in the template's key order: address, port, account,
// password, client ID, subscribe topic, publish topic.
using MqttTemplateValues = std::array<std::string, 7>;

// The file's content with the seven values written into its "MQTT参数" section, one key at a
// time in key order; everything else in the file stays.
std::string WithTemplateValues(std::string_view file, const MqttTemplateValues& values);

// The seven values read from the file's content; a missing file, section or key gives the
// default: "请先存模板" for the address, empty for the others.
MqttTemplateValues TemplateValuesOf(std::string_view file);

}  // namespace quorvane
