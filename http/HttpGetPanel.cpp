#include "http/HttpGetPanel.h"

#include "http/HttpRequest.h"
#include "text/GbkText.h"

namespace quorvane {

std::string FetchByGet(const std::string& url) {
  return HttpRequest(url, static_cast<int>(HttpMethod::Get));
}

HttpGetPanel::HttpGetPanel(const HttpGetControls& controls, Operator& person, Fetch fetch)
    : c_(controls), person_(person), fetch_(std::move(fetch)) {
  connect(c_.test, &QPushButton::clicked, this, &HttpGetPanel::TestUrl);
  connect(c_.copy, &QPushButton::clicked, this, &HttpGetPanel::CopyUrl);
}

void HttpGetPanel::TestUrl() {
  // The box refuses what GBK cannot encode as it is typed; a text shown from elsewhere that
  // still cannot travel is not sent at all rather than sent altered.
  auto url = ToGbk(c_.url->text());
  const std::string body = url ? fetch_(*url) : std::string();
  QString text = FromGbk(body.substr(0, body.find('\0')));
  if (text.size() > kShownCharacters) text = text.left(kShownCharacters) + u'…';
  c_.answer->setText(QStringLiteral("返回：") + text);
}

void HttpGetPanel::CopyUrl() {
  const QString url = c_.url->text();
  if (url.isEmpty()) return;
  if (person_.SetClipboardText(url)) person_.ShowMessage(QStringLiteral("复制成功"));
}

}  // namespace quorvane
