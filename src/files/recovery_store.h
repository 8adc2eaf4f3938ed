#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/safe_write.h"

namespace pixlore {

// The folder for recovery files: $XDG_STATE_HOME/pixlore, else ~/.local/state/pixlore; empty
// when neither is known.
std::string RecoveryFolder(const char* xdgStateHome, const char* home);

// The recovery files of every editor of this user, one file per editor, in one folder. An
// editor holds a lock on a lock file of its own for as long as it runs: that, not a process
// id (which the system hands out again), tells a running editor from one that has ended,
// however it ended. Nothing is made on disk before the first write.
class RecoveryStore {
  public:
    explicit RecoveryStore(std::string folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Writes this editor's recovery file through the safe save, after making the folder and
    // taking the lock when needed. The first write that succeeds also removes the files of
    // all but the newest few ended editors.
    WriteStatus write(const std::vector<std::uint8_t>& bytes);

    // The newest recovery file of an editor that no longer runs; empty when there is none.
    std::string newestEnded() const;

    // This editor's recovery file.
    std::string file() const;

  private:
    bool claim();

    std::string folder_;
    std::string id_;
    int lock_ = -1;
    bool pruned_ = false;
};

}  // namespace pixlore
