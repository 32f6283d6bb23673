#include <gtest/gtest.h>

#include "DesktopProbe.hpp"
#include "common/TextCompare.hpp"

namespace umbrix::contract {
namespace {

class ProcessPortContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::Platform ports = env->platform();

    std::optional<platform::ProcessEntry> snapshotRow(platform::ProcessId process) {
        auto rows = ports.processes.snapshotProcesses();
        if (!rows) return std::nullopt;
        for (const auto& row : *rows) {
            if (row.id == process) return row;
        }
        return std::nullopt;
    }
};

TEST_F(ProcessPortContract, AWindowsOwnerIsListedByFileNameAndOpensToItsFullPath) {
    auto probe = startProbe(*env, {{"Umbrix probe owner"}});
    const auto owner = ports.windows.windowProcessId(probe->windows()[0]);
    ASSERT_TRUE(owner.has_value());
    EXPECT_EQ(owner->value, probe->processId().value);

    auto row = snapshotRow(*owner);
    ASSERT_TRUE(row.has_value());
    EXPECT_TRUE(sameText(ports.text, row->exeFile, kProbeFileName)) << row->exeFile;

    auto path = ports.processes.processImagePath(*owner);
    ASSERT_TRUE(path.has_value());
    // A drive, a folder, and the file name the snapshot gave.
    ASSERT_GT(path->size(), 3u + row->exeFile.size());
    EXPECT_EQ(path->substr(1, 2), ":\\") << *path;
    EXPECT_TRUE(sameText(ports.text, path->substr(path->size() - row->exeFile.size() - 1), "\\" + row->exeFile))
        << *path;
}

TEST_F(ProcessPortContract, AnEndedProcessIsNeitherListedNorOpened) {
    auto probe = startProbe(*env, {{"Umbrix probe leaving"}});
    const platform::ProcessId process = probe->processId();
    ports.windows.postCloseRequest(probe->windows()[0]);
    ASSERT_TRUE(probe->waitUntil([&] { return probe->hasEnded(); }));
    EXPECT_TRUE(probe->waitUntil([&] { return !snapshotRow(process).has_value(); }));
    EXPECT_EQ(ports.processes.processImagePath(process), std::nullopt);
}

// The start time tells a process from a later one that gets the same id.
TEST_F(ProcessPortContract, EachProcessKeepsItsOwnStartTime) {
    auto first = startProbe(*env, {{"Umbrix probe first"}});
    auto second = startProbe(*env, {{"Umbrix probe second"}});
    const auto firstStart = ports.processes.processStartTime(first->processId());
    const auto secondStart = ports.processes.processStartTime(second->processId());
    ASSERT_TRUE(firstStart.has_value());
    ASSERT_TRUE(secondStart.has_value());
    EXPECT_LT(*firstStart, *secondStart);
    EXPECT_EQ(ports.processes.processStartTime(first->processId()), firstStart);
}

}  // namespace
}  // namespace umbrix::contract
