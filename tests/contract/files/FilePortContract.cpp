#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "HeldFile.hpp"

namespace umbrix::contract {
namespace {

class FilePortContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::FilePort& files = env->platform().files;
    std::string folder = env->scratchFolder();
};

TEST_F(FilePortContract, WriteThroughThenReadGivesTheSameBytes) {
    const std::string path = folder + "\\data.bin";
    const std::string bytes("a\0b\r\nc\xFF", 7);
    ASSERT_TRUE(files.writeFileThrough(path, bytes));
    EXPECT_EQ(files.readFile(path), bytes);
    EXPECT_TRUE(files.fileExists(path));
    EXPECT_FALSE(files.directoryExists(path));
    // CREATE_ALWAYS truncates a longer old file.
    ASSERT_TRUE(files.writeFileThrough(path, "x"));
    EXPECT_EQ(files.readFile(path), "x");
}

TEST_F(FilePortContract, PathsIgnoreLetterCase) {
    ASSERT_TRUE(files.writeFileThrough(folder + "\\Mixed.INI", "1"));
    EXPECT_EQ(files.readFile(folder + "\\mixed.ini"), "1");
    EXPECT_TRUE(files.fileExists(folder + "\\MIXED.ini"));
}

TEST_F(FilePortContract, ReplaceSwapsInTheNewFileAndRemovesTheSource) {
    const std::string target = folder + "\\QZ.ini";
    const std::string temp = folder + "\\QZ.ini.tmp";
    ASSERT_TRUE(files.writeFileThrough(target, "old"));
    ASSERT_TRUE(files.writeFileThrough(temp, "new"));
    ASSERT_TRUE(files.replaceFile(temp, target));
    EXPECT_EQ(files.readFile(target), "new");
    EXPECT_FALSE(files.fileExists(temp));
    // Replacing onto a missing target creates it.
    ASSERT_TRUE(files.writeFileThrough(temp, "again"));
    ASSERT_TRUE(files.deleteFile(target));
    ASSERT_TRUE(files.replaceFile(temp, target));
    EXPECT_EQ(files.readFile(target), "again");
    // A folder in the target's place is not replaced.
    ASSERT_TRUE(files.createDirectory(folder + "\\Folder.ini"));
    ASSERT_TRUE(files.writeFileThrough(temp, "new"));
    EXPECT_EQ(files.replaceFile(temp, folder + "\\Folder.ini").error, platform::errors::kAccessDenied);
    EXPECT_TRUE(files.directoryExists(folder + "\\Folder.ini"));
}

TEST_F(FilePortContract, AppendCreatesAMissingFileThenAddsAtItsEndAndTheSizeFollows) {
    const std::string path = folder + "\\Umbrix.log";
    EXPECT_EQ(files.fileSize(path), std::nullopt);
    ASSERT_TRUE(files.appendFile(path, "one\r\n"));
    ASSERT_TRUE(files.appendFile(path, std::string("tw\0o\r\n", 6)));
    EXPECT_EQ(files.readFile(path), std::string("one\r\ntw\0o\r\n", 11));
    EXPECT_EQ(files.fileSize(path), 11u);
    // A folder has no size, and nothing can be appended to it.
    EXPECT_EQ(files.fileSize(folder), std::nullopt);
    EXPECT_EQ(files.appendFile(folder, "x").error, platform::errors::kAccessDenied);
    EXPECT_EQ(files.appendFile(folder + "\\no\\such\\folder.log", "x").error, platform::errors::kPathNotFound);
}

TEST_F(FilePortContract, MissingThingsFailWithTheirErrorCodes) {
    EXPECT_EQ(files.readFile(folder + "\\absent.txt"), std::nullopt);
    EXPECT_EQ(files.deleteFile(folder + "\\absent.txt").error, platform::errors::kFileNotFound);
    EXPECT_EQ(files.replaceFile(folder + "\\absent.txt", folder + "\\b.txt").error, platform::errors::kFileNotFound);
    EXPECT_EQ(files.writeFileThrough(folder + "\\no\\such\\folder.txt", "x").error, platform::errors::kPathNotFound);
    EXPECT_EQ(files.createDirectory(folder + "\\a\\b").error, platform::errors::kPathNotFound);
}

TEST_F(FilePortContract, CreateDirectoryMakesOneLevelAndRefusesAnExistingOne) {
    const std::string sub = folder + "\\QZ";
    EXPECT_FALSE(files.directoryExists(sub));
    ASSERT_TRUE(files.createDirectory(sub));
    EXPECT_TRUE(files.directoryExists(sub));
    EXPECT_FALSE(files.fileExists(sub));
    EXPECT_EQ(files.createDirectory(sub).error, platform::errors::kAlreadyExists);
}

// A file another program holds open without sharing it is there, yet nothing can be done to it
// until the other program lets go.
TEST_F(FilePortContract, AFileAnotherProgramHoldsOpenExistsButCannotBeReadOrChanged) {
    const std::string path = folder + "\\QZ.ini";
    const std::string temp = folder + "\\QZ.ini.tmp";
    ASSERT_TRUE(files.writeFileThrough(path, "held"));
    ASSERT_TRUE(files.writeFileThrough(temp, "new"));
    {
        auto held = holdOpen(*env, path);
        EXPECT_TRUE(files.fileExists(path));
        EXPECT_EQ(files.readFile(path), std::nullopt);
        EXPECT_EQ(files.writeFileThrough(path, "x").error, platform::errors::kSharingViolation);
        EXPECT_FALSE(files.replaceFile(temp, path));
        EXPECT_EQ(files.deleteFile(path).error, platform::errors::kSharingViolation);
        EXPECT_EQ(files.appendFile(path, "x").error, platform::errors::kSharingViolation);
    }
    EXPECT_EQ(files.readFile(path), "held");
}

}  // namespace
}  // namespace umbrix::contract
