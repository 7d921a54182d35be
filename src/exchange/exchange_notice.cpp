#include "exchange/exchange_notice.h"

#include "base/toolkit.h"

CExchangeNotice::CExchangeNotice(Host& host) : host_(host), busy_(std::make_shared<bool>(false)) {}

void CExchangeNotice::Raise(const std::string& text) {
    if (*busy_) return;
    *busy_ = true;
    Host& host = host_;
    host_.Post([&host, text, weakBusy = std::weak_ptr<bool>(busy_)] {
        if (weakBusy.expired()) return;
        host.MessageBox(text, MessageButtons::Ok, MessageIcon::Exclamation);
        if (const std::shared_ptr<bool> busy = weakBusy.lock()) *busy = false;
    });
}
