// What a network client sends, arbitrary and in arbitrary pieces, into one rigctld-protocol
// session over a radio in memory. Nothing crashes; the radio only ever gets values within the
// ranges its interface names; every reply is whole lines; once the session has ended it answers
// nothing more.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "remote/remote_session.h"
#include "support/fake_remote_radio.h"

namespace {

constexpr std::size_t kMostPieces = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FakeRemoteRadio radio;
    radio.hardwareActive = input.ConsumeBool();
    if (input.ConsumeBool()) radio.signalDb.reset();
    RemoteSession session(radio);
    bool open = true;
    for (std::size_t i = 0; i < kMostPieces && input.remaining_bytes() > 0; ++i) {
        // Raw bytes: a client's backslashes and NULs must arrive as sent.
        const std::string piece = input.ConsumeBytesAsString(
            input.ConsumeIntegralInRange<std::size_t>(1, 2 * RemoteSession::kMaxLineLength));
        std::string reply;
        const bool stillOpen = session.Receive(piece.data(), piece.size(), reply);
        FUZZ_CHECK(open || (reply.empty() && !stillOpen));
        FUZZ_CHECK(reply.empty() || reply.back() == '\n');
        FUZZ_CHECK(stillOpen == session.IsOpen());
        open = stillOpen;
    }
    FUZZ_CHECK(!radio.rangeBroken);
    return 0;
}
