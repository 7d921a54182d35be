#include "link/async_receiver_link.h"

#include "link/immediate_link_runner.h"
#include "link/threaded_link_runner.h"

AsyncReceiverLink::AsyncReceiverLink(SerialDevice& device, const ComPortMap& ports)
    : link_(device, ports), runner_(std::make_unique<ImmediateLinkRunner>(link_)) {}

// The runner goes first (declared last): a worker still sending must find the link alive.
AsyncReceiverLink::~AsyncReceiverLink() = default;

void AsyncReceiverLink::RunOnWorker(Poster post) {
    SetRunner(std::make_unique<ThreadedLinkRunner>(link_, std::move(post)));
}

void AsyncReceiverLink::Connect(int comPort) {
    PortJob([comPort](CReceiverLink& link) { link.Connect(comPort); });
}

void AsyncReceiverLink::Disconnect() {
    PortJob([](CReceiverLink& link) { link.Disconnect(); });
}

void AsyncReceiverLink::CheckAlive(int comPort, std::function<void(bool responding)> answer) {
    runner_->Ask(LineJobKind::Port,
                 [this, comPort, answer = std::move(answer)](CReceiverLink& link) {
                     // A pulled USB adapter leaves a dead handle behind, and one that was missing
                     // at start leaves none; opening the port again lets the receiver come back
                     // when it is plugged in, without a restart. A port that is open and healthy is
                     // left alone.
                     if (!link.IsOpen() || link.DeviceGone()) {
                         link.Disconnect();
                         link.Connect(comPort);
                     }
                     const bool responding = link.NotResponding() == 0;
                     std::string path = link.IsOpen() ? link.DevicePath() : std::string();
                     return LineReply([this, answer, responding, path = std::move(path)] {
                         openDevicePath_ = path;
                         answer(responding);
                     });
                 });
}

void AsyncReceiverLink::PortJob(std::function<void(CReceiverLink&)> work) {
    runner_->Ask(LineJobKind::Port, [this, work = std::move(work)](CReceiverLink& link) {
        work(link);
        std::string path = link.IsOpen() ? link.DevicePath() : std::string();
        return LineReply([this, path = std::move(path)] { openDevicePath_ = path; });
    });
}

int AsyncReceiverLink::SetMode(int mode) {
    return Send(LineJobKind::Mode, [mode](CReceiverLink& link) { return link.SetMode(mode); });
}

int AsyncReceiverLink::SetAgc(int agc) {
    return Send(LineJobKind::Agc, [agc](CReceiverLink& link) { return link.SetAgc(agc); });
}

int AsyncReceiverLink::SetFilter(int filterIndex) {
    return Send(LineJobKind::Filter,
                [filterIndex](CReceiverLink& link) { return link.SetFilter(filterIndex); });
}

int AsyncReceiverLink::SetVolume(int level) {
    return Send(LineJobKind::Volume,
                [level](CReceiverLink& link) { return link.SetVolume(level); });
}

int AsyncReceiverLink::SetLineLevel(int level) {
    return Send(LineJobKind::LineLevel,
                [level](CReceiverLink& link) { return link.SetLineLevel(level); });
}

int AsyncReceiverLink::SetFrequency(int frequencyHz) {
    return Send(LineJobKind::Frequency,
                [frequencyHz](CReceiverLink& link) { return link.SetFrequency(frequencyHz); });
}

int AsyncReceiverLink::SetPassbandShift(int shiftHz) {
    return Send(LineJobKind::PassbandShift,
                [shiftHz](CReceiverLink& link) { return link.SetPassbandShift(shiftHz); });
}

int AsyncReceiverLink::SetCwFrequency(int cwFrequencyHz) {
    return Send(LineJobKind::CwFrequency, [cwFrequencyHz](CReceiverLink& link) {
        return link.SetCwFrequency(cwFrequencyHz);
    });
}

int AsyncReceiverLink::SetCorrection(int frequency1Hz, int correction1Hz, int frequency2Hz,
                                     int correction2Hz) {
    return Send(LineJobKind::Correction, [=](CReceiverLink& link) {
        return link.SetCorrection(frequency1Hz, correction1Hz, frequency2Hz, correction2Hz);
    });
}

void AsyncReceiverLink::QueryVersion(std::function<void(int result, int version)> answer) {
    Query(&CReceiverLink::QueryVersion, std::move(answer));
}

void AsyncReceiverLink::QuerySignalStrength(std::function<void(int result, int levelDb)> answer) {
    Query(&CReceiverLink::QuerySignalStrength, std::move(answer));
}

void AsyncReceiverLink::Query(int (CReceiverLink::*ask)(int& value),
                              std::function<void(int result, int value)> answer) {
    runner_->Ask(LineJobKind::Query, [ask, answer = std::move(answer)](CReceiverLink& link) {
        int value = 0;
        const int result = (link.*ask)(value);
        return LineReply([answer, result, value] { answer(result, value); });
    });
}
