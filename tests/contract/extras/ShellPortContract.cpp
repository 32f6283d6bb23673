#include <gtest/gtest.h>

#include "ExtrasContractSupport.hpp"

namespace umbrix::contract {
namespace {

using extras::waitUntil;

class ShellPortContract : public ::testing::Test {
protected:
    void TearDown() override {
        for (std::uint32_t id : started) extras::endProcess(*env, id);
    }
    std::string writeFile(const std::string& name, const std::string& bytes = "[decoy]\r\n") {
        std::string path = folder + "\\" + name;
        EXPECT_TRUE(platform.files.writeFileThrough(path, bytes));
        return path;
    }

    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::Platform platform = env->platform();
    platform::ShellPort& shell = platform.shell;
    std::string folder = env->scratchFolder();
    std::vector<std::uint32_t> started;
};

TEST_F(ShellPortContract, RecyclingAFoldersContentsMovesFilesAndSubfoldersIntoTheRecycleBin) {
    writeFile("report.txt.lnk");
    writeFile("no extension");
    ASSERT_TRUE(platform.files.createDirectory(folder + "\\Sub"));
    writeFile("Sub\\inner.txt");
    std::int64_t before = extras::recycleBinItems(*env);

    ASSERT_TRUE(shell.recycle(folder + "\\*.*"));

    EXPECT_TRUE(platform.files.directoryExists(folder));
    EXPECT_FALSE(platform.files.fileExists(folder + "\\report.txt.lnk"));
    EXPECT_FALSE(platform.files.fileExists(folder + "\\no extension"));
    EXPECT_FALSE(platform.files.directoryExists(folder + "\\Sub"));
    EXPECT_EQ(extras::recycleBinItems(*env), before + 3);
}

// Wine's shell empties only the files of the bin and leaves folders in it, so this looks at
// files; that folders go too is checked against the sim alone.
TEST_F(ShellPortContract, EmptyingTheRecycleBinRemovesWhatItHeld) {
    if (!extras::mayChangeTheUsersState(*env)) GTEST_SKIP() << "would empty this user's own Recycle Bin";
    writeFile("first.txt");
    writeFile("second.txt");
    ASSERT_TRUE(shell.recycle(folder + "\\*.*"));
    std::int64_t held = extras::recycleBinItems(*env);
    ASSERT_GE(held, 2);

    EXPECT_EQ(shell.emptyRecycleBin(), platform::RecycleBinEmptying::Requested);
    EXPECT_LE(extras::recycleBinItems(*env), held - 2);
}

TEST_F(ShellPortContract, OpeningADocumentStartsTheProgramOfItsTypeWithItsWindow) {
    std::string document = writeFile("decoy.ini");
    platform::ShellExecution execution = shell.execute(document);
    ASSERT_TRUE(execution.accepted()) << execution.code;
    ASSERT_TRUE(execution.process);
    platform::StartedProcess& process = *execution.process;
    started.push_back(process.id());

    std::optional<std::uint64_t> window;
    ASSERT_TRUE(waitUntil([&] { return (window = process.mainWindow()).has_value(); }));
    EXPECT_TRUE(process.ownsWindow(*window));
    EXPECT_FALSE(process.hasExited());

    ASSERT_TRUE(extras::endProcess(*env, process.id()));
    EXPECT_TRUE(waitUntil([&] { return process.hasExited(); }));
    EXPECT_FALSE(process.ownsWindow(*window));
    EXPECT_EQ(process.mainWindow(), std::nullopt);
}

TEST_F(ShellPortContract, StartingAProgramGivesItsProcess) {
    platform::ShellExecution execution = shell.execute(platform.system.windowsDirectory() + "\\System32\\notepad.exe");
    ASSERT_TRUE(execution.accepted()) << execution.code;
    ASSERT_TRUE(execution.process);
    started.push_back(execution.process->id());
    EXPECT_NE(execution.process->id(), 0u);
    EXPECT_TRUE(waitUntil([&] { return execution.process->mainWindow().has_value(); }));
}

TEST_F(ShellPortContract, WhatTheShellCannotOpenGivesItsErrorCodeAndNoProcess) {
    struct Case {
        std::string file;
        std::uint32_t code;
    };
    const Case cases[] = {
        {folder + "\\missing.ini", 2},  // SE_ERR_FNF
        {folder + "\\Missing folder\\missing.ini", 2},  // also "file not found", as ShellExecuteW says
        {writeFile("figures.umbrix-unknown-type"), 31},  // SE_ERR_NOASSOC
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        platform::ShellExecution execution = shell.execute(c.file);
        EXPECT_EQ(execution.code, c.code);
        EXPECT_FALSE(execution.accepted());
        EXPECT_EQ(execution.process, nullptr);
    }
}

}  // namespace
}  // namespace umbrix::contract
