#pragma once

#include <functional>
#include <memory>
#include <string>

#include "link/link_runner.h"
#include "link/receiver_link.h"

// The receiver link as the window thread drives it: the same setters, each handed to a runner
// as a job of its kind; queries answer through a callback. Runs the jobs at once until
// RunOnWorker moves them to a thread of their own.
class AsyncReceiverLink {
  public:
    using Poster = std::function<void(std::function<void()>)>;

    // Neither argument is owned; both must outlive the link.
    AsyncReceiverLink(SerialDevice& device, const ComPortMap& ports);
    ~AsyncReceiverLink();
    AsyncReceiverLink(const AsyncReceiverLink&) = delete;
    AsyncReceiverLink& operator=(const AsyncReceiverLink&) = delete;

    // From now on the line is driven from a worker thread; post must run a reply on this
    // thread (from its event loop) and may be called from any thread.
    void RunOnWorker(Poster post);
    // Any other way of running the jobs (tests step through a queue by hand).
    void SetRunner(std::unique_ptr<LinkRunner> runner) { runner_ = std::move(runner); }

    // A port that does not open shows at the next query; nobody waits for it here.
    void Connect(int comPort);
    void Disconnect();

    // Results as CReceiverLink's when the job ran at once; LinkResult::kOk once it is queued.
    int SetMode(int mode);
    int SetAgc(int agc);
    int SetFilter(int filterIndex);
    int SetVolume(int level);
    int SetLineLevel(int level);
    int SetFrequency(int frequencyHz);
    int SetPassbandShift(int shiftHz);
    int SetCwFrequency(int cwFrequencyHz);
    int SetCorrection(int frequency1Hz, int correction1Hz, int frequency2Hz, int correction2Hz);

    // answer(result, value) gets the link's result and reading.
    void QueryVersion(std::function<void(int result, int version)> answer);
    void QuerySignalStrength(std::function<void(int result, int levelDb)> answer);
    // Opens a lost port again, then asks the receiver for its version; answer(responding).
    void CheckAlive(int comPort, std::function<void(bool responding)> answer);
    // Any other work on the link, in line with the commands.
    void Ask(LineJobKind kind, LineWork work) { runner_->Ask(kind, std::move(work)); }

    // The device the port was opened on when the last port job ran; empty while it is closed.
    const std::string& OpenDevicePath() const { return openDevicePath_; }

    // The link itself, for callers that run everything at once (tests).
    CReceiverLink& Link() { return link_; }

  private:
    int Send(LineJobKind kind, const std::function<int(CReceiverLink&)>& work) {
        return runner_->Send(kind, work);
    }
    // Asks on the line's thread; answer gets the link's result and the value read.
    void Query(int (CReceiverLink::*ask)(int& value),
               std::function<void(int result, int value)> answer);
    // Runs a port job and then notes where the port leads now.
    void PortJob(std::function<void(CReceiverLink&)> work);

    CReceiverLink link_;
    std::unique_ptr<LinkRunner> runner_;
    std::string openDevicePath_;
};
