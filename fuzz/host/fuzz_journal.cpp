// The journal reader against arbitrary bytes: as they are, and sealed with a correct checksum so
// that the checks behind the checksum are reached. A journal that is accepted must write back to a
// journal that reads the same, and a fresh host must take the game up and play it on by the rules
// without reading or writing outside its state.

#include "host/journal.h"
#include "host/simulatedio.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class QuietIo : public host::SimulatedIo {
public:
    void send(int, const std::string&) override {}
};

void tryJournal(const std::string& text)
{
    const auto journal = host::readJournal(text);
    if (!journal)
        return;
    const std::string again = host::writeJournal(*journal);
    const auto reread = host::readJournal(again);
    if (!reread || host::writeJournal(*reread) != again)
        std::abort();  // what was accepted must survive its own round trip
    QuietIo io;
    host::Engine engine(io, 1);
    if (!engine.resume(*journal))
        std::abort();  // the engine refuses only what the reader refuses
    for (int steps = 0; steps < 400 && engine.state().gameRunning; ++steps)
        if (!host::fireDueTimer(engine, io))
            break;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    tryJournal(text);
    // The same body with its sum made right; a sum line already there is dropped first.
    const auto sum = text.rfind("sum ");
    tryJournal(host::sealJournal(sum == std::string::npos ? text : text.substr(0, sum)));
    return 0;
}
