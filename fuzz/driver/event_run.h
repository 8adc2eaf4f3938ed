#pragma once

#include <cstdint>
#include <string>

namespace pixlore::fuzz {

struct RunReport {
    std::string failure;  // empty when every check held
    int events = 0;       // actions checked, start-up included
};

// Gives an editor in its start-up state (a QApplication on the offscreen platform must exist) and
// hands it what the bytes decode to: canvas events of every kind anywhere, clicks and drags as a
// canvas reports them, keys, every command, window closes, dropped and opened files of random
// content, the controls. After every event the state, the views and the files are checked. Stops at
// the first failure, after a quit, or after a bounded number of events.
RunReport RunEventBytes(const std::uint8_t* data, std::size_t size);

// Runs share one editor, made at the first run and reset for every other; this ends it while
// the QApplication still exists.
void EndSession();

}  // namespace pixlore::fuzz
