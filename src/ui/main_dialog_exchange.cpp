// The main window's side of the copy-data exchange: "ZEL" and incoming messages go to CExchange.

#include "exchange/exchange.h"
#include "ui/main_dialog.h"

void CMainDialog::SetCopyDataBus(CopyDataBus* bus) {
    copyDataBus_ = bus;
}

// CExchange holds nothing between messages, so one is made per use; it then always sees the
// current controller and station commands.
void CMainDialog::OnZel() {
    if (controller_ == nullptr || stationCommands_ == nullptr) return;
    CExchange(*controller_, host_, *this, window_, *stationCommands_, copyDataBus_, exchangeNotice_)
        .OnZel();
}

int CMainDialog::OnCopyData(std::uint32_t value, const std::uint8_t* data, std::size_t size) {
    if (controller_ == nullptr || stationCommands_ == nullptr) return 0;
    return CExchange(*controller_, host_, *this, window_, *stationCommands_, copyDataBus_,
                     exchangeNotice_)
        .OnCopyData(value, data, size);
}
