// Every installed program, run as a process, says its name and the project's version
// on --version and -V, exits 0, and does nothing else: no port, no receipt folder, no
// settings, in a working folder of the test's own.
#include "tests/cli/CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Program {
    const char* name;
    const char* path;
};

// Named by the program in test names and messages.
void PrintTo(const Program& program, std::ostream* out) {
    *out << program.name;
}

const Program PROGRAMS[] = {
    {"talvane", TALVANE_PATH},
    {"talvane-cli", TALVANE_CLI_PATH},
    {"vprinter", VPRINTER_PATH},
    {"list-ports", LIST_PORTS_PATH},
};

class ProgramVersion : public ::testing::TestWithParam<Program> {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/program-version-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        before_ = fs::current_path();
        fs::current_path(folder_);
    }
    void TearDown() override {
        if (!before_.empty()) fs::current_path(before_);
        if (!folder_.empty()) fs::remove_all(folder_);
    }
    bool FolderEmpty() const { return fs::is_empty(folder_); }

    fs::path folder_;
    fs::path before_;
};

TEST_P(ProgramVersion, SaysItsNameAndTheProjectVersionAndExitsZero) {
    const Program& program = GetParam();
    const std::string expected = std::string(program.name) + " " + PROJECT_VERSION + "\n";
    for (const char* option : {"--version", "-V"}) {
        SCOPED_TRACE(option);
        const CliResult result = RunProgram(program.path, {option});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, expected);
        EXPECT_EQ(result.err, "");
    }
    EXPECT_TRUE(FolderEmpty()) << "--version left files in its working folder";
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, ProgramVersion, ::testing::ValuesIn(PROGRAMS),
                         [](const ::testing::TestParamInfo<Program>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

} // namespace
