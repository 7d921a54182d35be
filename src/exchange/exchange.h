#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/exchange_block.h"

class CExchangeNotice;
class CReceiverController;
class CStationCommands;
class CopyDataBus;
class Host;
class MainView;
class StationListView;

inline constexpr const char* kUnknownFormatMessage =
    "Internal error: unknown exchange data format.";
inline constexpr const char* kUnknownTypeMessage = "Internal error: unknown exchange message type.";
inline constexpr const char* kNotActiveSuffix = " is not active!";

// The copy-data exchange with the companion station database: its tune and station messages
// coming in, and the current frequency going out on "ZEL".
class CExchange {
  public:
    // None of the arguments is owned. Without a bus no partner can be found. The notices of
    // incoming messages go through notice.
    CExchange(CReceiverController& controller, Host& host, MainView& view, StationListView& list,
              CStationCommands& commands, CopyDataBus* bus, CExchangeNotice& notice);

    // An incoming message: value, and the size bytes that arrived at data (never read beyond).
    // Returns 0; the sender learns nothing from it. A notice it calls for opens after the return.
    int OnCopyData(std::uint32_t value, const std::uint8_t* data, std::size_t size);

    // Sends the frequency the receiver is tuned to to the partner, or says it is not active.
    void OnZel();

  private:
    void Tune(std::uint32_t format, const std::uint8_t* data, std::size_t size);
    void TuneOrStore(std::uint32_t format, const std::uint8_t* data, std::size_t size);
    void StoreStation(std::uint32_t format, const ExchangeBlock& block);

    CReceiverController& controller_;
    Host& host_;
    MainView& view_;
    StationListView& list_;
    CStationCommands& commands_;
    CopyDataBus* bus_;
    CExchangeNotice& notice_;
};
