#pragma once

#include <fstream>
#include <string>

#include "controller/receiver_observer.h"

// The signal log: every meter reading as one CSV line (UTC time, frequency in Hz, mode, level in
// dB) appended to a file, under a header line when the file starts empty. Each line is flushed as
// it is written, so a crash loses at most the line being written.
class SignalLog : public ReceiverObserver {
  public:
    // Opens path for appending; false (and the log closed) when it cannot be written.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_.is_open(); }
    // False once a line could not be written; the log then closes and writes nothing more.
    bool Healthy() const { return healthy_; }

    void OnSignalReading(const SignalReading& reading) override;

    static std::string HeaderLine();
    static std::string LineOf(const SignalReading& reading);

  private:
    void Write(const std::string& line);

    std::ofstream file_;
    bool healthy_ = true;
};
