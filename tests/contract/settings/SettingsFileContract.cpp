#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "TestFolder.hpp"
#include "settings/SettingsFile.hpp"
#include "settings/SettingsLoad.hpp"
#include "settings/SettingsSave.hpp"
#include "settings/SettingsWriteError.hpp"

namespace umbrix::contract {
namespace {

using settings::SettingsFile;

class SettingsFileContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::Platform ports = env->platform();
    std::string folder = folderOfThisTest(*env, ports.files);
    std::string path = folder + "\\QZ.ini";
    SettingsFile file{ports.files, ports.text, path};
};

TEST_F(SettingsFileContract, IsBoundBesideTheRunningExecutable) {
    const std::string exe = ports.system.executablePath();
    const std::string bound = SettingsFile::besideExecutable(ports).path();
    EXPECT_EQ(bound, exe.substr(0, exe.find_last_of('\\') + 1) + "QZ.ini");
}

TEST_F(SettingsFileContract, WritesReachTheDiskInTheCodePageAndReadBack) {
    const std::string decoy = "C:\\D\xC3\xA9\x63oy \xE2\x82\xAC\\na\xC3\xAFve.txt";  // é, €, ï
    file.writeString("StartUp", "Decoy", decoy);
    file.writeInteger("StartUp", "PanicLeft", -1920);
    file.writeBool("StartUP", "HidePanic", true);
    EXPECT_EQ(ports.files.readFile(path),
              "[StartUp]\r\nDecoy=C:\\D\xE9\x63oy \x80\\na\xEFve.txt\r\nPanicLeft=-1920\r\nHidePanic=1\r\n");
    EXPECT_EQ(file.readString("startup", "decoy", ""), decoy);
    EXPECT_EQ(file.readInteger("StartUp", "PanicLeft", 0), -1920);
    EXPECT_TRUE(file.readBool("StartUp", "HidePanic", false));
    EXPECT_FALSE(ports.files.fileExists(path + ".new")) << "no temporary file is left behind";
}

TEST_F(SettingsFileContract, AWriteIntoAMissingFolderRaisesTheErrorWithThePath) {
    SettingsFile nowhere(ports.files, ports.text, folder + "\\missing\\QZ.ini");
    try {
        nowhere.writeBool("StartUp", "Silent", true);
        FAIL() << "the folder does not exist";
    } catch (const settings::SettingsWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + folder + "\\missing\\QZ.ini");
        EXPECT_EQ(error.code(), platform::errors::kPathNotFound);
    }
    EXPECT_FALSE(ports.files.directoryExists(folder + "\\missing"));
    EXPECT_FALSE(nowhere.readBool("StartUp", "Silent", false));
}

TEST_F(SettingsFileContract, AFullSaveLoadsBackWhole) {
    settings::Options saved;
    saved.action = 3;
    saved.decoyProgram = "C:\\Users\\Jos\xC3\xA9\\x.txt";
    saved.muteAudio = false;
    saved.panicLeft = -50;
    saved.panicButtonLabel = "Panic!";
    settings::writeOptions(file, saved);
    settings::Options loaded;
    settings::loadMainWindowSelections(file, loaded);
    settings::loadPanicWindowSelections(file, loaded, {});
    EXPECT_EQ(loaded, saved);
}

}  // namespace
}  // namespace umbrix::contract
