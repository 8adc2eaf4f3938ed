#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "files/recovery_file.h"
#include "files/recovery_store.h"

namespace pixlore {

// Writes the newest session to the store on a thread of its own, so that a slow or stuck
// disk never holds up an edit. A write waits for a burst of changes to settle; one that
// fails is tried again later, with whatever is newest by then.
class RecoveryWriter {
  public:
    struct Timing {
        std::chrono::milliseconds settle{1000};
        std::chrono::milliseconds retry{4000};
    };

    RecoveryWriter(std::shared_ptr<RecoveryStore> store, Timing timing);
    // Stops without writing what is still waiting. A write under way is left to finish on
    // its own rather than waited for.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void update(const Session& session);

    // Writes the last session at once and waits for it at most limit; true when it was
    // written. Nothing is written afterwards.
    bool finish(const Session& last, std::chrono::milliseconds limit);

  private:
    struct Shared;
    static void Run(std::shared_ptr<Shared> shared);

    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace pixlore
