#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorvane {

// A loopback HTTP peer that records each request's exact bytes and answers with a fixed raw
// response, or, when told so, accepts and never answers. Ready when constructed: the socket
// listens before the constructor returns.
class RawHttpServer {
 public:
  explicit RawHttpServer(std::string response, bool answer = true)
      : response_(std::move(response)), answer_(answer) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 8);
    socklen_t size = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }

  ~RawHttpServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    ::close(listener_);
    thread_.join();
    for (int client : silent_) ::close(client);
  }

  int Port() const { return port_; }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }
  std::vector<std::string> Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
  }

 private:
  void Serve() {
    while (!stopping_) {
      const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (client < 0) return;
      if (!answer_) {
        silent_.push_back(client);  // held open, never read, never answered
        continue;
      }
      std::string request;
      char buffer[4096];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<size_t>(got));
      }
      const size_t headerEnd = request.find("\r\n\r\n");
      const size_t lengthAt = request.find("Content-Length: ");
      if (headerEnd != std::string::npos && lengthAt != std::string::npos) {
        const size_t length = std::stoul(request.substr(lengthAt + 16));
        while (request.size() < headerEnd + 4 + length) {
          const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
          if (got <= 0) break;
          request.append(buffer, static_cast<size_t>(got));
        }
      }
      {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
      }
      ::send(client, response_.data(), response_.size(), MSG_NOSIGNAL);
      ::close(client);
    }
  }

  std::string response_;
  bool answer_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_ = false;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::vector<int> silent_;
};

}  // namespace quorvane
