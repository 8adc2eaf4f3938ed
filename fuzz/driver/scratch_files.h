#pragma once

#include <string>
#include <vector>

#include "fuzz/driver/byte_source.h"

namespace pixlore::fuzz {

// A temporary folder for one run, with the files the run makes: generated files of random
// size and content, and the names that drops and file dialogs hand the editor. Removed with
// everything in it at the end of the run.
class ScratchFiles {
  public:
    ScratchFiles();
    ~ScratchFiles();
    ScratchFiles(const ScratchFiles&) = delete;
    ScratchFiles& operator=(const ScratchFiles&) = delete;

    const std::string& folder() const { return folder_; }

    // A name drawn from the input: a newly made file, one made before, two names joined by a
    // line feed, the folder, a missing name, a name in a missing folder, or a blank one. A
    // name to save to is never blank, which would save in the current directory, but may end
    // in blanks.
    std::string pickName(ByteSource& in, bool save = false);
    // Makes a file of a size and content drawn from the input and returns its name.
    std::string makeFile(ByteSource& in);

  private:
    std::string freshName(ByteSource& in);

    std::string folder_;
    std::vector<std::string> made_;
    int counter_ = 0;
};

}  // namespace pixlore::fuzz
