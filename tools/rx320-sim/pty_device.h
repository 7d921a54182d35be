#pragma once

#include <cstdint>
#include <string>

// The receiver's end of the serial line: a pseudo-terminal whose slave side the program opens as
// its serial device. The simulator keeps a slave descriptor of its own, so the terminal lives on
// (and keeps its raw settings) while no program has it open, and the master never reads a
// hang-up between two programs.
class PtyDevice {
  public:
    PtyDevice() = default;
    ~PtyDevice();
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    // Creates the terminal in raw mode; false with a reason in error.
    bool Open(std::string& error);
    // Makes linkPath a symbolic link to the device, replacing an earlier link (never a file);
    // removed again by Close.
    bool CreateLink(const std::string& linkPath, std::string& error);
    // Closes both sides: a program that has the device open sees EIO and a hang-up, and the
    // device node goes away.
    void Close();

    bool IsOpen() const { return master_ >= 0; }
    const std::string& DevicePath() const { return devicePath_; }
    int MasterFd() const { return master_; }

    // Non-blocking transfers on the master. Read: bytes read, 0 when none are waiting, -1 on an
    // error. Write: bytes taken, 0 when the terminal is full, -1 on an error.
    int Read(std::uint8_t* data, int capacity);
    int Write(const std::uint8_t* data, int count);

    // "1200 8N1": the line settings the program has set on its side.
    std::string LineSettings() const;

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string devicePath_;
    std::string linkPath_;
};
