#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace pixlore::testing {

inline void WriteText(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

inline std::string Quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// One run of pixlore-convert in a folder: its exit code and what it printed.
struct ToolRun {
    int exitCode = -1;
    std::string out, err;
};

inline ToolRun RunConvert(const TempFolder& folder, const std::vector<std::string>& args) {
    std::string command = "cd " + Quoted(folder.path()) + " && " + Quoted(PIXLORE_CONVERT);
    for (const auto& a : args)
        command += " " + Quoted(a);
    command += " >.stdout 2>.stderr </dev/null";
    const int status = std::system(command.c_str());
    const auto out = ReadBytes(folder / ".stdout");
    const auto err = ReadBytes(folder / ".stderr");
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            {out.begin(), out.end()},
            {err.begin(), err.end()}};
}

}  // namespace pixlore::testing
