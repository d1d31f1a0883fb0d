#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <functional>
#include <string>

#include "operator/Operator.h"

namespace quorvane {

// The controls of the "http_GET" page that the panel owns.
struct HttpGetControls {
  QLineEdit* url = nullptr;     // get编辑框
  QPushButton* copy = nullptr;  // "复制"
  QLabel* answer = nullptr;     // 返回内容标签
  QPushButton* test = nullptr;  // "测试"
};

// Sends the URL to a board in HTTP GET mode and shows its answer; copies the URL.
class HttpGetPanel : public QObject {
  Q_OBJECT
 public:
  // The request: URL text (GBK) in, body out. The program passes a GET through HttpRequest.
  using Fetch = std::function<std::string(const std::string& url)>;
  // The label shows this much of an answer; the rest would not fit its few lines anyway, and
  // laying out a megabyte of text would freeze the window.
  static constexpr qsizetype kShownCharacters = 2000;

  HttpGetPanel(const HttpGetControls& controls, Operator& person, Fetch fetch);

  void TestUrl();
  void CopyUrl();

 private:
  HttpGetControls c_;
  Operator& person_;
  Fetch fetch_;
};

// The GET the panel sends: the URL alone, every other argument at its default.
std::string FetchByGet(const std::string& url);

}  // namespace quorvane
