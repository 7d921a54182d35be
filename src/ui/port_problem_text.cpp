#include "ui/port_problem_text.h"

std::string PortProblemText(SerialOpenError error, const std::string& devicePath) {
    switch (error) {
        case SerialOpenError::None:
            return std::string();
        case SerialOpenError::PermissionDenied:
            return "You may not use " + devicePath +
                   ". Serial ports belong to the \"dialout\" group: add your user to it "
                   "(sudo usermod -aG dialout $USER), then log out and in again.";
        case SerialOpenError::Busy:
            return devicePath +
                   " is in use by another program. Close that program, or choose another port.";
        case SerialOpenError::NoSuchDevice:
            return devicePath +
                   " does not exist. Check that the receiver's cable or USB adapter is plugged "
                   "in, or choose another device.";
        case SerialOpenError::Other:
            break;
    }
    return devicePath + " cannot be opened as a serial port.";
}

SerialOpenError ProbePort(SerialDevice& device, const std::string& devicePath) {
    if (!device.Open(devicePath)) {
        const SerialOpenError error = device.LastOpenError();
        return error == SerialOpenError::None ? SerialOpenError::Other : error;
    }
    device.Close();
    return SerialOpenError::None;
}
