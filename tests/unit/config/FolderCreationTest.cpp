#include <gtest/gtest.h>

#include "config/FolderCreation.hpp"
#include "sim/SimFileSystem.hpp"

namespace umbrix::config {
namespace {

TEST(FolderCreation, CreatesOnlyTheMissingFoldersFromTheTopDown) {
    sim::SimFileSystem files;
    files.makeDirectories("C:\\ProgramData");
    ASSERT_TRUE(createFolderWithParents(files, "C:\\ProgramData\\QZ\\bin\\temp\\"));
    EXPECT_TRUE(files.directoryExists("C:\\ProgramData\\QZ"));
    EXPECT_TRUE(files.directoryExists("C:\\ProgramData\\QZ\\bin"));
    EXPECT_TRUE(files.directoryExists("C:\\ProgramData\\QZ\\bin\\temp"));
    EXPECT_EQ(files.mutations(), 3);

    // Existing folders: nothing to do, whatever the letter case or trailing separators.
    ASSERT_TRUE(createFolderWithParents(files, "c:\\programdata\\qz\\BIN\\\\"));
    ASSERT_TRUE(createFolderWithParents(files, "C:\\"));
    EXPECT_EQ(files.mutations(), 3);
}

TEST(FolderCreation, ReportsTheFirstFolderThatCannotBeMade) {
    struct Case {
        const char* name;
        void (*arrange)(sim::SimFileSystem&);
        std::uint32_t error;
        bool qzExists;
    } cases[] = {
        {"read-only parent", [](sim::SimFileSystem& f) { f.setReadOnly("C:\\ProgramData"); },
         platform::errors::kAccessDenied, false},
        {"a file named like a folder", [](sim::SimFileSystem& f) { f.putFile("C:\\ProgramData\\QZ\\bin", "x"); },
         platform::errors::kAlreadyExists, true},
        {"disk full half-way", [](sim::SimFileSystem& f) { f.failMutation(1, platform::errors::kDiskFull); },
         platform::errors::kDiskFull, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimFileSystem files;
        files.makeDirectories("C:\\ProgramData");
        c.arrange(files);
        EXPECT_EQ(createFolderWithParents(files, "C:\\ProgramData\\QZ\\bin\\temp").error, c.error);
        EXPECT_EQ(files.directoryExists("C:\\ProgramData\\QZ"), c.qzExists);
        EXPECT_FALSE(files.directoryExists("C:\\ProgramData\\QZ\\bin\\temp"));
    }
}

TEST(FolderCreation, AnEmptyPathIsNoFolder) {
    sim::SimFileSystem files;
    EXPECT_EQ(createFolderWithParents(files, "").error, platform::errors::kPathNotFound);
    EXPECT_EQ(files.mutations(), 0);
}

}  // namespace
}  // namespace umbrix::config
