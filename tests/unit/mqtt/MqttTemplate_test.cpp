#include "mqtt/MqttTemplate.h"

#include <gtest/gtest.h>

#include "text/Gbk.h"

namespace quorvane {
namespace {

std::string Gbk(const char* utf8) { return Utf8ToGbk(utf8).value(); }

MqttTemplateValues Values(const char* host, const char* topic, const char* publish) {
  return {Gbk(host), "1883", "user", "pw", "id", Gbk(topic), Gbk(publish)};
}

TEST(MqttTemplate, AFreshSaveHasTheseBytes) {
  EXPECT_EQ(WithTemplateValues("", Values("代理.local", "t1", "t2")),
            Gbk("[MQTT参数]\r\n地址=代理.local\r\n端口=1883\r\n账号=user\r\n密码=pw\r\nID=id\r\n"
                "Topic=t1\r\n发布=t2\r\n"));
}

TEST(MqttTemplate, RoundTripsIncludingEmptyValues) {
  const MqttTemplateValues empty{};
  EXPECT_EQ(TemplateValuesOf(WithTemplateValues("", empty)), empty);  // not "请先存模板"
  const MqttTemplateValues values = Values("h", "t1", "t2");
  EXPECT_EQ(TemplateValuesOf(WithTemplateValues("", values)), values);
}

TEST(MqttTemplate, WithoutAFileTheAddressAsksForOne) {
  EXPECT_EQ(TemplateValuesOf(""), (MqttTemplateValues{Gbk("请先存模板"), "", "", "", "", "", ""}));
}

TEST(MqttTemplate, SavingKeepsWhatElseTheFileHolds) {
  const std::string before = Gbk("[窗口]\r\n宽=1\r\n[mqtt参数]\r\n地址=old\r\n备注=keep\r\n");
  const std::string after = WithTemplateValues(before, Values("new", "a", "b"));
  EXPECT_TRUE(after.starts_with(Gbk("[窗口]\r\n宽=1\r\n[mqtt参数]\r\n地址=new\r\n备注=keep\r\n")))
      << after;
  EXPECT_EQ(TemplateValuesOf(after), Values("new", "a", "b"));
}

}  // namespace
}  // namespace quorvane
