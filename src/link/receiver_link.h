#pragma once

#include "base/radio_limits.h"
#include "link/serial_port.h"
#include "link/tuning_command.h"

// What CReceiverLink::Connect returns.
namespace LinkConnectResult {
inline constexpr int kConnected = 0;
inline constexpr int kAlreadyOpen = 1;
inline constexpr int kFailed = 2;  // the port did not open or refused its settings
}  // namespace LinkConnectResult

// What the setters and queries of CReceiverLink return.
namespace LinkResult {
inline constexpr int kOk = 0;
inline constexpr int kNotOpen = 1;
inline constexpr int kOutOfRange = 2;       // an argument; nothing is stored or sent
inline constexpr int kQueryFailed = 2;      // no complete, readable reply
inline constexpr int kIncompleteWrite = 3;  // a command was not written completely
}  // namespace LinkResult

// The one place the program talks to the RX-320. Keeps the last commanded state and turns each
// change into the receiver's commands. Each operation returns a LinkResult, Connect a
// LinkConnectResult. A setter checks the port, then the argument, then stores, then sends.
class CReceiverLink : public CSerialPort {
  public:
    CReceiverLink(SerialDevice& device, const ComPortMap& ports);

    int Connect(int comPort);
    int Disconnect();

    int SetMode(int mode);                  // 0..3
    int SetAgc(int agc);                    // 1..3
    int SetFilter(int filterIndex);         // 0..35
    int SetVolume(int level);               // 0..63
    int SetLineLevel(int level);            // 0..63
    int SetFrequency(int frequencyHz);      // MinimumFrequency..30,000,000
    int SetPassbandShift(int shiftHz);      // -1000..1000
    int SetCwFrequency(int cwFrequencyHz);  // -15000..15000
    int SetCorrection(int frequency1Hz, int correction1Hz, int frequency2Hz, int correction2Hz);

    // version: firmware version x 100, 0 on failure.
    int QueryVersion(int& version);
    // levelDb: 0..96, 0 on failure.
    int QuerySignalStrength(int& levelDb);
    // 1 when the version query fails for any reason, else 0.
    int NotResponding();

    int Mode() const { return mode_; }
    int Agc() const { return agc_; }
    int FilterIndex() const { return filter_; }
    int Volume() const { return volume_; }
    int LineLevel() const { return lineLevel_; }
    int Frequency() const { return frequency_; }
    int PassbandShift() const { return passbandShift_; }
    int CwFrequency() const { return cwFrequency_; }
    const CorrectionPoints& Correction() const { return correction_; }

  private:
    // Volume and line level: same range and command shape, another letter.
    int SetLevel(std::uint8_t letter, int level, int& stored);
    int SendTuning();
    int SendCommand(const std::uint8_t* bytes, int count);
    // Purges stale input, sends the one-letter query and CR, reads the fixed-length reply; false
    // unless every step succeeded and the whole reply arrived.
    bool Ask(std::uint8_t query, std::uint8_t* reply, int replyLength);

    int mode_ = kModeAm;
    int agc_ = kDefaultAgc;
    int filter_ = kDefaultFilterIndex;
    int volume_ = 0;
    int lineLevel_ = 0;
    int frequency_ = kDefaultFrequency;
    int passbandShift_ = 0;
    int cwFrequency_ = kDefaultCwFrequencyHz;
    CorrectionPoints correction_;
};
