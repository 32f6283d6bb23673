#include <gtest/gtest.h>

#include "common/AtomicFile.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix {
namespace {

const std::string kPath = "C:\\Program Files\\Umbrix\\QZ.ini";

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    sim::SimMachine machine;
    machine.files.putFile(kPath, "old content");
    ASSERT_TRUE(writeFileAtomically(machine.files, kPath, "new"));
    EXPECT_EQ(machine.files.readFile(kPath), "new");
    EXPECT_EQ(machine.files.filesIn("C:\\Program Files\\Umbrix"), std::set<std::string>{"QZ.ini"});
}

TEST(AtomicFile, AFailureOrACrashAtAnyStepLeavesTheOldFileWhole) {
    for (int step = 0; step < 2; ++step) {
        for (bool crash : {false, true}) {
            sim::SimMachine machine;
            machine.files.putFile(kPath, "old content");
            if (crash)
                machine.files.crashAtMutation(step);
            else
                machine.files.failMutation(step);
            try {
                EXPECT_FALSE(writeFileAtomically(machine.files, kPath, "new content, longer than before"));
            } catch (const sim::SimCrash&) {
                EXPECT_TRUE(crash);
            }
            EXPECT_EQ(machine.files.readFile(kPath), "old content") << "step " << step << " crash " << crash;
        }
    }
}

TEST(AtomicFile, AReadOnlyFolderReportsAccessDeniedAndKeepsTheFile) {
    sim::SimMachine machine;
    machine.files.putFile(kPath, "old");
    machine.files.setReadOnly("C:\\Program Files\\Umbrix");
    EXPECT_EQ(writeFileAtomically(machine.files, kPath, "new").error, platform::errors::kAccessDenied);
    EXPECT_EQ(machine.files.readFile(kPath), "old");
}

}  // namespace
}  // namespace umbrix
