#include "sim_options.h"

#include <cstdint>

#include "number_argument.h"
#include "station_band.h"

namespace {

constexpr double kLongestDelaySeconds = 86400;

// Flags that are control commands given at start: "--slow 300" is "slow 300".
const char* const kControlFlags[] = {"silent", "slow", "short", "garbled", "signal", "band"};

bool IsControlFlag(const std::string& word) {
    for (const char* flag : kControlFlags) {
        if (word == flag) return true;
    }
    return false;
}

class ArgumentReader {
  public:
    explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}
    bool AtEnd() const { return next_ >= args_.size(); }
    const std::string& Take() { return args_[next_++]; }
    // The value after flag; false with a message when there is none.
    bool TakeValue(const std::string& flag, std::string& value, std::string& error) {
        if (AtEnd()) {
            error = flag + " needs a value";
            return false;
        }
        value = Take();
        return true;
    }

  private:
    const std::vector<std::string>& args_;
    std::size_t next_ = 0;
};

bool ParseSeconds(const std::string& flag, const std::string& text, double& seconds,
                  std::string& error) {
    if (ParseDecimalArgument(text, 0.0, kLongestDelaySeconds, seconds)) return true;
    error = flag + ": seconds must be a number from 0 to 86400";
    return false;
}

bool ParseInt(const std::string& flag, const std::string& text, long long min, long long max,
              long long& value, std::string& error) {
    if (ParseIntegerArgument(text, min, max, value)) return true;
    error = flag + ": must be a whole number from " + std::to_string(min) + " to " +
            std::to_string(max);
    return false;
}

}  // namespace

OptionsOutcome ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                               std::string& error) {
    ArgumentReader reader(args);
    while (!reader.AtEnd()) {
        const std::string flag = reader.Take();
        std::string value;
        long long number = 0;
        bool ok = true;
        if (flag == "--help" || flag == "-h") return OptionsOutcome::ShowHelp;
        if (flag == "--link") {
            ok = reader.TakeValue(flag, options.linkPath, error);
        } else if (flag == "--log") {
            ok = reader.TakeValue(flag, options.logPath, error);
        } else if (flag == "--control") {
            ok = reader.TakeValue(flag, options.controlPath, error);
        } else if (flag == "--version") {
            ok = reader.TakeValue(flag, value, error) &&
                 ParseInt(flag, value, 0, 999, number, error);
            options.version = static_cast<int>(number);
        } else if (flag == "--baud") {
            ok = reader.TakeValue(flag, value, error) &&
                 ParseInt(flag, value, 50, 115200, number, error);
            options.baud = static_cast<int>(number);
        } else if (flag == "--seed") {
            ok = reader.TakeValue(flag, value, error) &&
                 ParseInt(flag, value, 0, UINT32_MAX, number, error);
            options.seed = static_cast<unsigned>(number);
            options.seedGiven = true;
        } else if (flag == "--no-line-delay") {
            options.lineDelay = false;
        } else if (flag == "--unknown-reply") {
            options.unknownReply = true;
        } else if (flag == "--banner") {
            options.banner = true;
        } else if (flag == "--power-cycle-after") {
            ok = reader.TakeValue(flag, value, error) &&
                 ParseSeconds(flag, value, options.powerCycleAfterSeconds, error);
        } else if (flag == "--off-for") {
            ok = reader.TakeValue(flag, value, error) &&
                 ParseSeconds(flag, value, options.offForSeconds, error);
        } else if (flag == "--vanish-after") {
            ok = reader.TakeValue(flag, value, error) &&
                 ParseSeconds(flag, value, options.vanishAfterSeconds, error);
        } else if (flag.rfind("--", 0) == 0 && IsControlFlag(flag.substr(2))) {
            std::string line = flag.substr(2);
            if (ControlCommandTakesValue(line)) {
                ok = reader.TakeValue(flag, value, error);
                line += " " + value;
            }
            ControlCommand command;
            ok = ok && ParseControlCommand(line, command, error);
            if (ok) options.startCommands.push_back(command);
        } else {
            error = "unknown option \"" + flag + "\" (see --help)";
            ok = false;
        }
        if (!ok) return OptionsOutcome::Invalid;
    }
    return OptionsOutcome::Run;
}

std::string SimHelpText(const std::string& programName) {
    // Raw strings keep the text as it prints.
    static const char* const kIntroduction = R"(
Simulates a Ten-Tec RX-320 receiver on a pseudo-terminal. The first line on
standard output is "DEVICE <path>" (the terminal to open); the simulator then
runs until SIGINT or SIGTERM, or until a fault ends it.

Commands are framed by their lengths, never by CR: 'N' + 6 bytes + CR (tuning),
'M' digit CR (mode), 'G' digit CR (AGC), 'W' code CR (filter), 'V' 0x00 level CR
(volume), 'A' 0x00 level CR (line level), '?' CR (version), 'X' CR (signal).
Anything else is logged as garbage and skipped byte by byte until a command fits
again. "?" CR is answered "VER <version>" CR; "X" CR is answered 'X', high, low,
CR, where 20 log10(high * 256 + low) is the signal in dB. Setters get no reply.

Device and logging:
  --link PATH            also make PATH a symbolic link to the device (removed
                         at exit)
  --log FILE             command log (default: standard error), one flushed line
                         per command: seconds since start, bytes in hex, meaning:
      12.345 4E 51 68 03 33 64 3E 0D tune 7100000 Hz USB filter 2400 Hz pbs 0 Hz
                         Lines with "--" after the time are events.
  --control PATH         FIFO taking control lines (created if missing, then
                         removed at exit), e.g.  echo silent > PATH

Receiver:
  --version N            firmware version x 100 in the version reply (0..999,
                         default 103)
  --signal DB            fixed signal level in dB (0..96.3)
  --band                 signal from the built-in station band (the default):
                         rising towards a station's peak when tuned near it
                         (10 dB per kHz), noise floor 12 dB elsewhere, and
                         +/- 1.5 dB of noise. The stations:
)";
    static const char* const kRest =
        R"(  --unknown-reply        answer unrecognised bytes with "Z" CR
  --banner               send " DSP START" CR at start and after a power cycle
  --seed N               seed for noise and corruption (default: random)

Line timing:
  --no-line-delay        take and send bytes at once (fast tests)
  --baud N               line rate for the byte time at 10 bits per byte
                         (default 1200: 8.33 ms per byte). Commands are taken
                         no faster than that, replies leave byte by byte at it.
                         A pseudo-terminal takes a program's writes at once (it
                         has no output queue to drain), so a burst of commands
                         queues up here instead and a query sent right behind
                         it waits for the burst; the log says so.

Faults (the same words work at run time on the control channel):
  --silent               no replies
  --slow MS              replies start MS later
  --short                replies cut short (first half only)
  --garbled              reply bytes corrupted
  --power-cycle-after S  switch off S seconds after start ...
  --off-for N            ... for N seconds (default 5), deaf and silent, then
                         back in the power-on state: AM, AGC medium, 4800 Hz
                         filter, volume and line level 0, untuned
  --vanish-after S       S seconds after start, close the pseudo-terminal (the
                         program sees EIO/hang-up) and end

Control channel lines:
)";
    return "Usage: " + programName + " [options]\n" + kIntroduction + StationBand::Listing() +
           kRest + ControlCommandHelp() +
           "\nExit status: 0 after SIGINT/SIGTERM or vanishing, 1 on a failure, 2 on bad "
           "options.\n";
}
