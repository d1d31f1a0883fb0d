#pragma once

#include <array>

#include "link/Reply.h"

namespace quorvane {

// A board's state answer and what the tool offers in return: the question, and the command
// that OK sends. Each conversation is a toggle, since the board answers with its state.
struct FollowUp {
  ReplyKind kind;
  const char* question;  // UTF-8
  const char* command;
};

inline constexpr std::array<FollowUp, 4> kFollowUps = {{
    {ReplyKind::KeysUnlocked,
     "当前设备按键没有被锁定状态！可以手动控制开关，是否需要将其锁定禁止使用？", "sd"},
    {ReplyKind::KeysLocked, "当前设备按键已经被锁定！不能手动控制开关，是否需要将其解除锁定？",
     "ks"},
    {ReplyKind::ConfigModeOff, "当前设备【上电30秒自动进入配网状态】是关闭状态，是否要开启？",
     "appz=1"},
    {ReplyKind::ConfigModeOn, "当前设备【上电30秒自动进入配网状态】是开启状态，是否要关闭？",
     "appz=0"},
}};

inline constexpr char kFollowUpCaption[] = "状态提示";

// A board's result answer and the box that reports it.
struct ResultBox {
  ReplyKind kind;
  const char* message;  // UTF-8
  bool errorIcon;
};

inline constexpr std::array<ResultBox, 3> kResultBoxes = {{
    {ReplyKind::PasswordRefused, "密码错误", true},
    {ReplyKind::WifiChanged, "修改指令已执行成功！", false},
    {ReplyKind::ConfigModeSet, "上电30秒自动进入配网状态设置指令执行成功", false},
}};

}  // namespace quorvane
