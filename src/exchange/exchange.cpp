#include "exchange/exchange.h"

#include "base/program_texts.h"
#include "base/toolkit.h"
#include "controller/receiver_controller.h"
#include "exchange/copy_data_bus.h"
#include "exchange/exchange_notice.h"
#include "exchange/exchange_station_name.h"
#include "exchange/exchange_value.h"
#include "exchange/partner_title.h"
#include "stations/commands/station_commands.h"
#include "stations/name_encoding.h"

CExchange::CExchange(CReceiverController& controller, Host& host, MainView& view,
                     StationListView& list, CStationCommands& commands, CopyDataBus* bus,
                     CExchangeNotice& notice)
    : controller_(controller),
      host_(host),
      view_(view),
      list_(list),
      commands_(commands),
      bus_(bus),
      notice_(notice) {}

int CExchange::OnCopyData(std::uint32_t value, const std::uint8_t* data, std::size_t size) {
    const ExchangeValue split = SplitExchangeValue(value);
    switch (split.type) {
        case kTuneMessage:
            Tune(split.format, data, size);
            break;
        case kStationMessage:
            TuneOrStore(split.format, data, size);
            break;
        default:
            notice_.Raise(kUnknownTypeMessage);
            break;
    }
    return 0;
}

void CExchange::Tune(std::uint32_t format, const std::uint8_t* data, std::size_t size) {
    controller_.StopContinuousTuning();
    ExchangeBlock block;
    switch (ReadExchangeBlock(format, data, size, block)) {
        case BlockReadResult::Ok:
            // The controller clamps to the tuning limits; mode, AGC and filter stay.
            controller_.SetFrequency(block.frequencyHz);
            break;
        case BlockReadResult::UnknownFormat:
            notice_.Raise(kUnknownFormatMessage);
            break;
        case BlockReadResult::NoFrequency:
            break;  // too short to mean anything
    }
}

void CExchange::TuneOrStore(std::uint32_t format, const std::uint8_t* data, std::size_t size) {
    controller_.StopContinuousTuning();
    ExchangeBlock block;
    const BlockReadResult read = ReadExchangeBlock(format, data, size, block);
    if (read == BlockReadResult::UnknownFormat) notice_.Raise(kUnknownFormatMessage);
    if (read != BlockReadResult::Ok) return;

    // The newest station on the frequency wins.
    const CStationList& stations = controller_.Stations();
    StationNode cursor = kNoStation;
    StationNode node = kNoStation;
    StationRecord station;
    bool found = false;
    while (!found && stations.GetNext(cursor, node, station) == StationWalkResult::kStationRead) {
        found = station.frequency == block.frequencyHz;
        if (cursor == kNoStation) break;
    }
    if (!found) {
        StoreStation(format, block);
        return;
    }

    commands_.TuneToStation(station);
    StationListView& window = list_;
    const int row = window.FindRow(node);
    if (window.RowCount() > 0) window.SelectRow(row >= 0 ? row : 0);
}

void CExchange::StoreStation(std::uint32_t format, const ExchangeBlock& block) {
    const TuningState tuning = controller_.GetTuning();
    const CStationList& stations = controller_.Stations();
    // The partner sends 8-bit text in its own code page: UTF-8 when it is valid UTF-8, else
    // Windows-1252. The list stores the name as its file keeps names.
    const std::string shownName =
        NameToDisplay(BuildStationName(format, block.texts), NameEncoding::Utf8);
    const StationRecord station(stations.StoredName(shownName), block.frequencyHz, tuning.mode,
                                tuning.agc, tuning.filterIndex, tuning.passbandShiftHz);
    StationNode node = kNoStation;
    if (controller_.AddStation(station, node) != StationAddResult::kAdded) return;

    // On top, where the user sees it, even in a sorted list; the next sort puts it in place.
    view_.AddStationRow(node, tuning.displayMHz, station.frequency,
                        stations.DisplayName(station.name));
    list_.SelectRow(0);
    // Mode, AGC, filter and shift at the receiver are already the new station's.
    controller_.SetFrequency(block.frequencyHz);
}

void CExchange::OnZel() {
    // Continuous tuning goes on: the partner gets the frequency of this moment.
    const std::vector<std::uint8_t> block =
        WriteExchangeBlock(1, controller_.GetTuning().frequencyHz, {});
    BusWindow partner;
    std::int32_t ignored = 0;
    // A partner that does not take the message in time is as good as absent: saying so beats
    // a click that silently does nothing.
    if (bus_ == nullptr || !FindProgramWindow(*bus_, kPartnerName, partner) ||
        !bus_->SendCopyData(partner.address, kFrequencyMessage + 1, block.data(), block.size(),
                            ignored)) {
        host_.MessageBox(std::string(kPartnerName) + kNotActiveSuffix, MessageButtons::Ok,
                         MessageIcon::Exclamation);
    }
}
