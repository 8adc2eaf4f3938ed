#pragma once

#include <sys/wait.h>

#include <string>
#include <vector>

#include "scratch_folder.h"

namespace pixlore::test {

// One run of pixlore-convert in a scratch folder: its exit code and what it printed.
struct ToolRun {
    int exitCode = -1;
    std::string out, err;
};

inline std::string Quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline ToolRun RunConvert(const ScratchFolder& folder, const std::vector<std::string>& args) {
    std::string command = "cd " + Quoted(folder.path().string()) + " && " + Quoted(PIXLORE_CONVERT);
    for (const auto& a : args)
        command += " " + Quoted(a);
    command += " >.stdout 2>.stderr </dev/null";
    const int status = std::system(command.c_str());
    const auto out = ReadAll(folder / ".stdout");
    const auto err = ReadAll(folder / ".stderr");
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            {out.begin(), out.end()},
            {err.begin(), err.end()}};
}

}  // namespace pixlore::test
