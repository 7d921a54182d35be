#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/serial_device.h"

// A serial device whose far end is a script. It records everything the program does to it and
// fails on demand, so the link and the controller can be tested without a port.
//
// Input comes in three ways:
// - AnswerTo: a standing rule, like a receiver that answers every "X" CR. Each complete Write of
//   exactly the given command puts the reply into the driver's input buffer, where a read takes
//   it and a later purge discards whatever was left unread (say the version reply's last CR).
// - QueueReply: bytes the receiver sends in answer to what the program writes next, once. A purge
//   does not discard them (on a real line they arrive after the command, so after the purge).
// - QueueStaleInput: bytes already waiting in the driver's input buffer, such as a late reply to
//   an earlier query. PurgeInput discards them; a read without a purge gets them first.
// A read takes the input buffer first, then the queued replies.
//
// Typical use:
//     ScriptedSerialDevice device;
//     device.AnswerTo({'X', 0x0D}, {'X', 0x12, 0x34, 0x0D});
//     ... drive the program ...
//     EXPECT_EQ(device.writes.back(), (std::vector<std::uint8_t>{'X', 0x0D}));
class ScriptedSerialDevice : public SerialDevice {
  public:
    using Bytes = std::vector<std::uint8_t>;

    // --- SerialDevice ---
    bool Open(const std::string& path) override;
    SerialOpenError LastOpenError() const override { return lastOpenError_; }
    void Close() override;
    bool GetLine(SerialLineSettings& settings) override;
    bool SetLine(const SerialLineSettings& settings) override;
    bool SetTimeouts(const SerialTimeouts& newTimeouts) override;
    bool SetBuffers(int inputSize, int outputSize) override;
    bool PurgeInput() override;
    // Takes as many bytes as writeBudget allows (all when it is negative); none when closed or
    // gone.
    int Write(const std::uint8_t* data, int count) override;
    // Delivers the input buffer first, then queued replies, up to readBudget; none when closed or
    // gone.
    int Read(std::uint8_t* data, int count) override;
    bool DeviceGone() const override { return gone; }

    // --- Scripting ---
    // Replaces any earlier rule for the same command.
    void AnswerTo(const Bytes& command, const Bytes& reply);
    void QueueReply(const Bytes& bytes);
    void QueueStaleInput(const Bytes& bytes);
    // Bytes (buffered or queued) that no read has taken yet.
    int PendingInput() const { return static_cast<int>(input_.size() + replies_.size()); }
    // Forgets what was recorded (writes, counts), keeping the switches, rules and pending input.
    void ClearRecords();

    // Switches, all off by default.
    SerialOpenError openError = SerialOpenError::None;  // not None: Open fails with this error
    bool failGetLine = false;
    bool failSetLine = false;
    bool failSetTimeouts = false;
    bool failSetBuffers = false;
    bool failPurge = false;
    int writeBudget = -1;  // bytes Write still accepts in total; negative = unlimited
    int readBudget = -1;   // bytes Read still delivers in total; negative = unlimited
    bool gone = false;     // the adapter was pulled: transfers move nothing, DeviceGone() is true
    // Runs before each write is answered, so a test can make an answer depend on what the
    // receiver was told before (its tuning, for one).
    std::function<void(const Bytes& write)> beforeAnswer;

    // Records.
    bool isOpen = false;
    std::string openedPath;  // path of the last successful Open
    int openCalls = 0;
    int closeCalls = 0;
    std::vector<Bytes> writes;  // one entry per Write call: the bytes that left the port
    Bytes written;              // every byte that left the port, in order
    int readCalls = 0;
    int purges = 0;  // successful PurgeInput calls
    // The device's line settings: GetLine reports them, a successful SetLine replaces them.
    SerialLineSettings line{1200, 8, 0, 0};
    int getLineCalls = 0;     // GetLine calls, also failed ones
    int setLineCalls = 0;     // SetLine calls, also failed ones
    SerialTimeouts timeouts;  // last accepted
    int inputBufferSize = 0;  // last accepted
    int outputBufferSize = 0;

  private:
    static int Take(std::deque<std::uint8_t>& from, std::uint8_t* to, int count);

    SerialOpenError lastOpenError_ = SerialOpenError::None;
    std::map<Bytes, Bytes> answers_;
    std::deque<std::uint8_t> input_;  // the driver's receive buffer
    std::deque<std::uint8_t> replies_;
};
