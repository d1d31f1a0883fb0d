#include "mqtt/MqttTemplate.h"

#include "mqtt/ProfileText.h"
#include "text/Gbk.h"

namespace quorvane {

namespace {

// UTF-8 here; the file holds them in GBK.
constexpr const char* kSection = "MQTT参数";
constexpr std::array<const char*, 7> kKeys = {"地址", "端口",  "账号", "密码",
                                              "ID",   "Topic", "发布"};
constexpr const char* kMissingAddress = "请先存模板";

std::string Gbk(const char* utf8) { return Utf8ToGbk(utf8).value(); }

}  // namespace

std::string WithTemplateValues(std::string_view file, const MqttTemplateValues& values) {
  std::string out(file);
  for (size_t i = 0; i < kKeys.size(); ++i) {
    out = WriteProfileValue(out, Gbk(kSection), Gbk(kKeys[i]), values[i]);
  }
  return out;
}

MqttTemplateValues TemplateValuesOf(std::string_view file) {
  MqttTemplateValues values;
  for (size_t i = 0; i < kKeys.size(); ++i) {
    const std::string fallback = i == 0 ? Gbk(kMissingAddress) : std::string();
    values[i] = ReadProfileValue(file, Gbk(kSection), Gbk(kKeys[i])).value_or(fallback);
  }
  return values;
}

}  // namespace quorvane
