#pragma once

#include <vector>

#include "fuzz/driver/byte_source.h"
#include "fuzz/driver/scratch_files.h"
#include "gui/support/fake_dialogs.h"

namespace pixlore::fuzz {

// The recording dialogs whose file dialogs answer with what the input says at the moment
// they are asked: a generated file, a folder, a missing name, or cancel; and, for the open
// dialog, either filter (now and then one it does not have).
class ScriptedDialogs : public FakeDialogs {
  public:
    ScriptedDialogs(ByteSource& in, ScratchFiles& files) : in_(in), files_(files) {}

    FileChoice openFile(const std::string& title, const std::string& folder,
                        const std::string& filters) override;
    FileChoice saveFile(const std::string& title, const std::string& folder,
                        const std::string& filters) override;

    // Every answer given, in order.
    std::vector<FileChoice> answers;

  private:
    FileChoice answer(bool save);

    ByteSource& in_;
    ScratchFiles& files_;
};

}  // namespace pixlore::fuzz
