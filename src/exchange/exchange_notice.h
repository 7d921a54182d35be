#pragma once

#include <memory>
#include <string>

class Host;

// The message box an incoming message calls for. It opens once the message has been answered,
// from the event loop, so the partner never waits on the user and the box's own loop never
// serves the next message from inside the handler; while one is waiting or open, further ones
// are dropped, so a flood of bad messages opens one box instead of one per message.
class CExchangeNotice {
  public:
    // The host is not owned and must outlive every notice raised.
    explicit CExchangeNotice(Host& host);

    void Raise(const std::string& text);

  private:
    Host& host_;
    // True while a box is waiting or open. Shared with the posted box, which may find this
    // object gone (the window ended first) and then shows nothing.
    std::shared_ptr<bool> busy_;
};
