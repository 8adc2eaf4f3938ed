#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/events.h"

namespace pixlore::fuzz {

struct RunReport {
    std::string failure;              // what went wrong; empty when every check held
    int events = 0;                   // events handed to the editor
    std::vector<std::string> recent;  // the last of them, oldest first
};

// Starts a fresh editor (a QApplication on the offscreen platform must exist), hands it the
// events the bytes decode to, and checks the invariants, the views and the files after every
// event. Stops at the first failure, after a quit, or after a bounded number of events.
RunReport RunEventBytes(const std::uint8_t* data, std::size_t size);

// The same, for a given list of events: the cases the fuzzer found, kept as regression tests.
// File dialogs are cancelled and popup menus dismissed.
RunReport RunEvents(const std::vector<Event>& events);

// "ControlEvent 0 MouseMove (12,-3) buttons 1", for the story of a failure.
std::string Describe(const Event& event);

}  // namespace pixlore::fuzz
