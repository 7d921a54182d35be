#pragma once

#include <random>
#include <string>

#include "command_framer.h"
#include "receiver_replies.h"
#include "receiver_state.h"
#include "signal_source.h"

// What one received command did, for the log, and what the receiver answers.
struct CommandOutcome {
    std::string meaning;
    ReplyBytes reply;  // empty for setters: the receiver does not answer them
};

// The receiver behind the line: applies each command to its state and builds the replies.
// Faults and line timing are not its business.
class SimulatedReceiver {
  public:
    struct Settings {
        int version = 103;           // firmware version x 100
        bool answerUnknown = false;  // "Z" CR for what it cannot take
    };

    // signal and random are not owned and must outlive the receiver.
    SimulatedReceiver(const Settings& settings, const SignalSource& signal, std::mt19937& random);

    CommandOutcome Handle(const ReceivedFrame& frame);
    // Back to the power-on state: everything commanded so far is forgotten.
    void PowerOn();
    const ReceiverState& State() const { return state_; }

  private:
    std::string SetMode(std::uint8_t digit);
    std::string SetAgc(std::uint8_t digit);
    std::string SetFilter(std::uint8_t code);
    std::string SetLevel(const ReceivedFrame& frame, const char* what, int& level);
    std::string Tune(const ReceivedFrame& frame);
    CommandOutcome AnswerSignalQuery();

    Settings settings_;
    const SignalSource& signal_;
    std::mt19937& random_;
    ReceiverState state_;
};
