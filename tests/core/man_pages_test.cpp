// The manual pages and --help of each program name the same options, and --version shows the
// version of the build.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "tool_run.h"

namespace pixlore {
namespace {

// What a command prints, with its exit code ("exit 0" and so on) at the end.
std::string Output(const std::string& program, const std::string& arg) {
    FILE* pipe = popen((testing::Quoted(program) + " " + arg + " </dev/null").c_str(), "r");
    std::string out;
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        out += static_cast<char>(c);
    return out + "exit " + std::to_string(WEXITSTATUS(pclose(pipe)));
}

// Options stand at the start of a word, so ./--help (a file) or 0-255 (a range) are none.
// Font changes and escaped hyphens of the page's markup are dropped first.
std::set<std::string> OptionsIn(const std::string& text) {
    const std::string plain = std::regex_replace(text, std::regex(R"(\\f[BIRP]|\\(?=-))"), "");
    const std::regex option(R"((?:^|[\s,\[(])(--?[a-z][a-z0-9-]*))");
    std::set<std::string> found;
    for (std::sregex_iterator it(plain.begin(), plain.end(), option), end; it != end; ++it)
        found.insert((*it)[1]);
    return found;
}

TEST(ManPages, NameTheOptionsOfHelp) {
    struct Row {
        std::string program, name;
    } rows[] = {{PIXLORE_EDITOR, "pixlore"}, {PIXLORE_CONVERT, "pixlore-convert"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::ostringstream page;
        page << std::ifstream(PIXLORE_MAN_DIR "/" + r.name + ".1").rdbuf();
        const std::string help = Output(r.program, "--help");
        EXPECT_TRUE(help.ends_with("exit 0"));
        EXPECT_EQ(OptionsIn(help), OptionsIn(page.str()));
        EXPECT_EQ(Output(r.program, "--version"), r.name + " " PIXLORE_VERSION "\nexit 0");
    }
}

}  // namespace
}  // namespace pixlore
