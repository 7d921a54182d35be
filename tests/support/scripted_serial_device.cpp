#include "support/scripted_serial_device.h"

#include <algorithm>

bool ScriptedSerialDevice::Open(const std::string& path) {
    ++openCalls;
    lastOpenError_ = openError;
    if (openError != SerialOpenError::None) return false;
    isOpen = true;
    gone = false;  // a device that opens is there again
    openedPath = path;
    return true;
}

void ScriptedSerialDevice::Close() {
    ++closeCalls;
    isOpen = false;
}

bool ScriptedSerialDevice::GetLine(SerialLineSettings& settings) {
    ++getLineCalls;
    if (!isOpen || failGetLine) return false;
    settings = line;
    return true;
}

bool ScriptedSerialDevice::SetLine(const SerialLineSettings& settings) {
    ++setLineCalls;
    if (!isOpen || failSetLine) return false;
    line = settings;
    return true;
}

bool ScriptedSerialDevice::SetTimeouts(const SerialTimeouts& newTimeouts) {
    if (!isOpen || failSetTimeouts) return false;
    timeouts = newTimeouts;
    return true;
}

bool ScriptedSerialDevice::SetBuffers(int inputSize, int outputSize) {
    if (!isOpen || failSetBuffers || inputSize <= 0 || outputSize <= 0) return false;
    inputBufferSize = inputSize;
    outputBufferSize = outputSize;
    return true;
}

bool ScriptedSerialDevice::PurgeInput() {
    if (!isOpen || failPurge) return false;
    ++purges;
    input_.clear();
    return true;
}

int ScriptedSerialDevice::Write(const std::uint8_t* data, int count) {
    int accepted = (isOpen && !gone) ? std::max(count, 0) : 0;
    if (writeBudget >= 0) {
        accepted = std::min(accepted, writeBudget);
        writeBudget -= accepted;
    }
    writes.emplace_back(data, data + accepted);
    written.insert(written.end(), data, data + accepted);
    if (beforeAnswer) beforeAnswer(writes.back());
    const auto answer = answers_.find(writes.back());
    if (answer != answers_.end())
        input_.insert(input_.end(), answer->second.begin(), answer->second.end());
    return accepted;
}

int ScriptedSerialDevice::Read(std::uint8_t* data, int count) {
    ++readCalls;
    int wanted = (isOpen && !gone) ? std::max(count, 0) : 0;
    if (readBudget >= 0) wanted = std::min(wanted, readBudget);
    int delivered = Take(input_, data, wanted);
    delivered += Take(replies_, data + delivered, wanted - delivered);
    if (readBudget >= 0) readBudget -= delivered;
    return delivered;
}

void ScriptedSerialDevice::AnswerTo(const Bytes& command, const Bytes& reply) {
    answers_[command] = reply;
}

void ScriptedSerialDevice::QueueReply(const Bytes& bytes) {
    replies_.insert(replies_.end(), bytes.begin(), bytes.end());
}

void ScriptedSerialDevice::QueueStaleInput(const Bytes& bytes) {
    input_.insert(input_.end(), bytes.begin(), bytes.end());
}

void ScriptedSerialDevice::ClearRecords() {
    openCalls = 0;
    closeCalls = 0;
    writes.clear();
    written.clear();
    readCalls = 0;
    purges = 0;
    getLineCalls = 0;
    setLineCalls = 0;
}

int ScriptedSerialDevice::Take(std::deque<std::uint8_t>& from, std::uint8_t* to, int count) {
    const int n = std::min(count, static_cast<int>(from.size()));
    std::copy_n(from.begin(), n, to);
    from.erase(from.begin(), from.begin() + n);
    return n;
}
