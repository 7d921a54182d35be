#include "link/receiver_link.h"

#include <algorithm>

#include "base/minimum_frequency.h"
#include "link/filter_table.h"

namespace {

constexpr std::uint8_t kCr = 0x0D;
constexpr int kVersionReplyLength = 7;
constexpr int kSignalReplyLength = 4;

bool InRange(int value, int lowest, int highest) {
    return value >= lowest && value <= highest;
}

bool IsTunable(int frequencyHz) {
    return InRange(frequencyHz, MinimumFrequency, kMaximumFrequency);
}

std::uint8_t Digit(int value) {
    return static_cast<std::uint8_t>('0' + value);
}

// The receiver counts attenuation: 0 is loudest.
std::uint8_t Attenuation(int level) {
    return static_cast<std::uint8_t>(kHighestLevel - level);
}

}  // namespace

CReceiverLink::CReceiverLink(SerialDevice& device, const ComPortMap& ports)
    : CSerialPort(device, ports) {}

int CReceiverLink::Connect(int comPort) {
    if (IsOpen()) return LinkConnectResult::kAlreadyOpen;
    if (Open(comPort) != SerialOpenResult::kOpened ||
        SetLine(1200, 8, 0, 0) != SerialLineResult::kApplied ||
        SetTimeouts(0, 10, 200, 10, 200) != SerialTimeoutsResult::kApplied ||
        SetBuffers(1024, 1024) != SerialBuffersResult::kApplied) {
        return LinkConnectResult::kFailed;
    }
    return LinkConnectResult::kConnected;
}

int CReceiverLink::Disconnect() {
    return Close();
}

int CReceiverLink::SetMode(int mode) {
    if (!IsOpen()) return LinkResult::kNotOpen;
    if (!InRange(mode, 0, 3)) return LinkResult::kOutOfRange;
    mode_ = mode;
    const std::uint8_t command[] = {'M', Digit(mode), kCr};
    if (SendCommand(command, sizeof command) != LinkResult::kOk) {
        return LinkResult::kIncompleteWrite;
    }
    return SendTuning();
}

int CReceiverLink::SetAgc(int agc) {
    if (!IsOpen()) return LinkResult::kNotOpen;
    if (!InRange(agc, kAgcSlow, kAgcFast)) return LinkResult::kOutOfRange;
    agc_ = agc;
    const std::uint8_t command[] = {'G', Digit(agc), kCr};
    return SendCommand(command, sizeof command);
}

int CReceiverLink::SetFilter(int filterIndex) {
    if (!IsOpen()) return LinkResult::kNotOpen;
    if (!InRange(filterIndex, 0, FilterTable::kRowCount - 1)) return LinkResult::kOutOfRange;
    filter_ = filterIndex;
    const std::uint8_t command[] = {
        'W', static_cast<std::uint8_t>(FilterTable::kRows[filterIndex].code), kCr};
    if (SendCommand(command, sizeof command) != LinkResult::kOk) {
        return LinkResult::kIncompleteWrite;
    }
    return SendTuning();
}

int CReceiverLink::SetVolume(int level) {
    return SetLevel('V', level, volume_);
}

int CReceiverLink::SetLineLevel(int level) {
    return SetLevel('A', level, lineLevel_);
}

int CReceiverLink::SetFrequency(int frequencyHz) {
    if (!IsOpen()) return LinkResult::kNotOpen;
    if (!IsTunable(frequencyHz)) return LinkResult::kOutOfRange;
    frequency_ = frequencyHz;
    return SendTuning();
}

int CReceiverLink::SetPassbandShift(int shiftHz) {
    if (!IsOpen()) return LinkResult::kNotOpen;
    if (!InRange(shiftHz, -kPassbandShiftLimitHz, kPassbandShiftLimitHz)) {
        return LinkResult::kOutOfRange;
    }
    passbandShift_ = shiftHz;
    return SendTuning();
}

int CReceiverLink::SetCwFrequency(int cwFrequencyHz) {
    if (!IsOpen()) return LinkResult::kNotOpen;
    if (!InRange(cwFrequencyHz, -kCwFrequencyLimitHz, kCwFrequencyLimitHz)) {
        return LinkResult::kOutOfRange;
    }
    cwFrequency_ = cwFrequencyHz;
    return SendTuning();
}

int CReceiverLink::SetCorrection(int frequency1Hz, int correction1Hz, int frequency2Hz,
                                 int correction2Hz) {
    if (!IsOpen()) return LinkResult::kNotOpen;
    // Frequencies are range-checked first, so their difference cannot overflow.
    const bool pointsValid = IsTunable(frequency1Hz) && IsTunable(frequency2Hz) &&
                             (frequency1Hz - frequency2Hz >= kCorrectionPointsMinimumApartHz ||
                              frequency2Hz - frequency1Hz >= kCorrectionPointsMinimumApartHz);
    const bool correctionsValid = InRange(correction1Hz, -kCorrectionLimitHz, kCorrectionLimitHz) &&
                                  InRange(correction2Hz, -kCorrectionLimitHz, kCorrectionLimitHz) &&
                                  InRange(correction1Hz - correction2Hz,
                                          -kCorrectionsMaximumApartHz, kCorrectionsMaximumApartHz);
    if (!pointsValid || !correctionsValid) return LinkResult::kOutOfRange;
    correction_ = {frequency1Hz, correction1Hz, frequency2Hz, correction2Hz};
    return SendTuning();
}

int CReceiverLink::QueryVersion(int& version) {
    version = 0;
    if (!IsOpen()) return LinkResult::kNotOpen;
    std::uint8_t reply[kVersionReplyLength];
    if (!Ask('?', reply, kVersionReplyLength)) return LinkResult::kQueryFailed;
    int parsed = 0;
    if (!ParseVersionReply(reply, parsed)) return LinkResult::kQueryFailed;
    version = parsed;
    return LinkResult::kOk;
}

int CReceiverLink::QuerySignalStrength(int& levelDb) {
    levelDb = 0;
    if (!IsOpen()) return LinkResult::kNotOpen;
    std::uint8_t reply[kSignalReplyLength];
    if (!Ask('X', reply, kSignalReplyLength)) return LinkResult::kQueryFailed;
    // The version reply's last byte (CR) is left unread; when it arrives only after this query's
    // purge it leads the reply, and the value bytes would be read one place early.
    if (reply[0] == kCr && reply[1] == 'X') {
        std::copy(reply + 1, reply + kSignalReplyLength, reply);
        if (Device().Read(reply + kSignalReplyLength - 1, 1) != 1) return LinkResult::kQueryFailed;
    }
    levelDb = SignalLevelDb(reply[1], reply[2]);
    return LinkResult::kOk;
}

int CReceiverLink::NotResponding() {
    int scratch = 0;
    return QueryVersion(scratch) != LinkResult::kOk ? 1 : 0;
}

int CReceiverLink::SetLevel(std::uint8_t letter, int level, int& stored) {
    if (!IsOpen()) return LinkResult::kNotOpen;
    if (!InRange(level, kLowestLevel, kHighestLevel)) return LinkResult::kOutOfRange;
    stored = level;
    const std::uint8_t command[] = {letter, 0x00, Attenuation(level), kCr};
    return SendCommand(command, sizeof command);
}

int CReceiverLink::SendTuning() {
    TuningInput input;
    input.frequencyHz = frequency_;
    input.mode = mode_;
    input.filterIndex = filter_;
    input.passbandShiftHz = passbandShift_;
    input.cwFrequencyHz = cwFrequency_;
    input.correctionHz = CorrectionAt(correction_, frequency_);
    const auto command = EncodeTuningCommand(ComputeTuningFactors(input));
    return SendCommand(command.data(), static_cast<int>(command.size()));
}

int CReceiverLink::SendCommand(const std::uint8_t* bytes, int count) {
    // Written by length: the commands carry raw 0x00 and 0x0D bytes.
    return Device().Write(bytes, count) == count ? LinkResult::kOk : LinkResult::kIncompleteWrite;
}

bool CReceiverLink::Ask(std::uint8_t query, std::uint8_t* reply, int replyLength) {
    // A late answer to an earlier query must not be taken for this one.
    if (!Device().PurgeInput()) return false;
    const std::uint8_t command[] = {query, kCr};
    if (Device().Write(command, sizeof command) != static_cast<int>(sizeof command)) return false;
    return Device().Read(reply, replyLength) == replyLength;
}
