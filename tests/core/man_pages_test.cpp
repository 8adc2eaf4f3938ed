// The manual pages and --help of each program name the same options, and --version shows the
// version of the build.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <set>

#include "tool_run.h"

namespace pixlore {
namespace {

// What a command prints, with its exit code ("exit 0" and so on) at the end.
std::string Output(const std::string& program, const std::string& arg) {
    FILE* pipe = popen((testing::Quoted(program) + " " + arg + " </dev/null").c_str(), "r");
    std::string out(1 << 16, '\0');
    out.resize(std::fread(out.data(), 1, out.size(), pipe));
    return out + "exit " + std::to_string(WEXITSTATUS(pclose(pipe)));
}

// Options stand at the start of a word, so ./--help (a file) or 0-255 (a range) are none.
// Font changes and escaped hyphens of the page's markup are dropped first.
std::set<std::string> OptionsIn(const std::string& text) {
    static const std::regex markup(R"(\\f[BIRP]|\\(?=-))"),
        option(R"((?:^|[\s,\[(])(--?[a-z][a-z0-9-]*))");
    const std::string plain = std::regex_replace(text, markup, "");
    return {std::sregex_token_iterator(plain.begin(), plain.end(), option, 1), {}};
}

TEST(ManPages, NameTheOptionsOfHelp) {
    const std::pair<std::string, std::string> rows[] = {{PIXLORE_EDITOR, "pixlore"},
                                                        {PIXLORE_CONVERT, "pixlore-convert"}};
    for (const auto& [program, name] : rows) {
        SCOPED_TRACE(name);
        const auto page = testing::ReadBytes(PIXLORE_MAN_DIR "/" + name + ".1");
        EXPECT_EQ(OptionsIn(Output(program, "--help")), OptionsIn({page.begin(), page.end()}));
        EXPECT_EQ(Output(program, "--version"), name + " " PIXLORE_VERSION "\nexit 0");
    }
}

}  // namespace
}  // namespace pixlore
