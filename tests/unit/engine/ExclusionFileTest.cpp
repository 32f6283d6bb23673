#include <gtest/gtest.h>

#include "text/Utf8.hpp"
#include "engine/ExclusionFile.hpp"
#include "engine/ExclusionFileCodec.hpp"
#include "sim/SimMachine.hpp"

namespace umbrix::engine {
namespace {

const std::string kFolder = "C:\\Program Files\\Umbrix";
const std::string kPath = kFolder + "\\Exclude.ini";

class ExclusionFileTest : public ::testing::Test {
protected:
    sim::SimMachine machine;
    ExclusionFile file{machine.platform()};

    static ExclusionList listOf(std::vector<WindowExclusion> exclusions) {
        ExclusionList list;
        for (auto& e : exclusions) list.windows.append(std::move(e));
        return list;
    }
    ExclusionList load() {
        ExclusionList list;
        file.loadLists(list);
        return list;
    }
};

TEST_F(ExclusionFileTest, LivesBesideTheExecutable) { EXPECT_EQ(file.path(), kPath); }

TEST_F(ExclusionFileTest, RoundTripsTheWindowExclusionsInOrderWithoutIcons) {
    ExclusionList saved = listOf({
        {"65554", "Letter - Notepad", "C:\\Windows\\notepad.exe", 3},
        {"1312", "Caf\xC3\xA9 \xE2\x82\xAC budget.xlsx - Excel", "C:\\Office\\EXCEL.EXE", std::nullopt},
        {"", "", "", std::nullopt},
    });
    saved.applications.append({"C:\\Games\\x.exe", "--------", std::nullopt});

    ASSERT_TRUE(file.saveExclude(saved));

    EXPECT_EQ(machine.files.readFile(kPath)->size(), 3 * 768u);
    ExclusionList loaded = load();
    ASSERT_EQ(loaded.windows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        WindowExclusion expected = saved.windows[i];
        expected.imageIndex = std::nullopt;
        EXPECT_EQ(loaded.windows[i], expected) << i;
    }
    EXPECT_TRUE(loaded.applications.empty());

    // Written again from what was read, the file is the same to the byte.
    const std::string first = *machine.files.readFile(kPath);
    ASSERT_TRUE(file.saveExclude(loaded));
    EXPECT_EQ(*machine.files.readFile(kPath), first);
}

TEST_F(ExclusionFileTest, RecordLayoutIsThreeLengthPrefixedCodePageFields) {
    ASSERT_TRUE(file.saveExclude(listOf({{"42", "D\xC3\xA9j\xC3\xA0", "C:\\a.exe", std::nullopt}})));
    const std::string bytes = *machine.files.readFile(kPath);
    ASSERT_EQ(bytes.size(), 768u);
    EXPECT_EQ(bytes.substr(0, 3), std::string("\x02"
                                              "42"));
    EXPECT_EQ(bytes.substr(256, 5), std::string("\x04"
                                                "D\xE9j\xE0"));  // Windows-1252
    EXPECT_EQ(bytes.substr(512, 9), std::string("\x08"
                                                "C:\\a.exe"));
    EXPECT_EQ(bytes.substr(3, 253), std::string(253, '\0'));  // unused bytes are zero
}

TEST_F(ExclusionFileTest, LongTextsAreCutTo255CharactersAndForeignOnesMarked) {
    const std::string longTitle(300, 'T');
    ASSERT_TRUE(file.saveExclude(listOf({{"1", longTitle, "C:\\\xE4\xB8\xAD\\app.exe", std::nullopt}})));
    ExclusionList loaded = load();
    ASSERT_EQ(loaded.windows.size(), 1u);
    EXPECT_EQ(loaded.windows[0].title, std::string(255, 'T'));
    EXPECT_EQ(loaded.windows[0].processPath, "C:\\?\\app.exe");
}

TEST_F(ExclusionFileTest, OnlyWholeRecordsAreRead) {
    ASSERT_TRUE(file.saveExclude(listOf({{"1", "One", "", std::nullopt}, {"2", "Two", "", std::nullopt}})));
    const std::string two = *machine.files.readFile(kPath);
    ASSERT_EQ(two.size(), 1536u);
    EXPECT_EQ(load().windows.size(), 2u);

    machine.files.putFile(kPath, two.substr(0, 1000));
    ExclusionList partial = load();
    ASSERT_EQ(partial.windows.size(), 1u);
    EXPECT_EQ(partial.windows[0].title, "One");

    machine.files.putFile(kPath, two.substr(0, 767));
    EXPECT_TRUE(load().windows.empty());
}

TEST_F(ExclusionFileTest, AnEmptyListWritesAnEmptyFileAndNoFileLoadsNothing) {
    EXPECT_TRUE(load().windows.empty());
    ASSERT_TRUE(file.saveExclude(ExclusionList{}));
    EXPECT_EQ(machine.files.readFile(kPath), "");
    EXPECT_TRUE(load().windows.empty());
}

TEST_F(ExclusionFileTest, LoadingAppendsAfterWhatIsThere) {
    ASSERT_TRUE(file.saveExclude(listOf({{"2", "Saved", "", std::nullopt}})));
    ExclusionList list = listOf({{"1", "Present", "", std::nullopt}});
    EXPECT_EQ(file.loadLists(list), 1u);
    ASSERT_EQ(list.windows.size(), 2u);
    EXPECT_EQ(list.windows[1].title, "Saved");
}

TEST_F(ExclusionFileTest, AFailedOrInterruptedSaveKeepsThePreviousFileWhole) {
    ASSERT_TRUE(file.saveExclude(listOf({{"1", "Old", "", std::nullopt}})));
    const std::string before = *machine.files.readFile(kPath);
    const ExclusionList bigger = listOf({{"2", "New", "", std::nullopt}, {"3", "Newer", "", std::nullopt}});
    for (int step = 0; step < 2; ++step) {
        for (bool crash : {false, true}) {
            if (crash)
                machine.files.crashAtMutation(step);
            else
                machine.files.failMutation(step, platform::errors::kDiskFull);
            try {
                EXPECT_FALSE(file.saveExclude(bigger));
            } catch (const sim::SimCrash&) {
                EXPECT_TRUE(crash);
            }
            machine.files.clearFaults();
            EXPECT_EQ(*machine.files.readFile(kPath), before) << "step " << step << " crash " << crash;
        }
    }
    machine.files.setReadOnly(kFolder);
    EXPECT_EQ(file.saveExclude(bigger).error, platform::errors::kAccessDenied);
    // A file that cannot be written is still read: its windows stay protected.
    EXPECT_EQ(load().windows.size(), 1u);
}

// A double-byte code page: every character outside ASCII takes two bytes.
class DoubleByteText final : public platform::TextPort {
public:
    std::string upperCase(std::string_view utf8) override { return std::string(utf8); }
    std::string toCodePage(std::string_view utf8) override {
        std::string out;
        for (char32_t c : utf8::decode(utf8)) {
            if (c < 0x80)
                out += static_cast<char>(c);
            else
                out += std::string{'\x81', static_cast<char>(0x40 + (c & 0x3F))};
        }
        return out;
    }
    std::string fromCodePage(std::string_view bytes) override { return std::string(bytes); }
};

TEST(ExclusionFileCodec, ADoubleByteTextIsCutBetweenCharactersWithin255Bytes) {
    DoubleByteText text;
    std::string title;
    for (int i = 0; i < 200; ++i) title += "\xE4\xB8\xAD";  // 200 characters of two bytes each
    const std::string field = encodeExclusionField(text, title);
    ASSERT_EQ(field.size(), 256u);
    // 127 whole characters: the 128th would need bytes 255 and 256.
    EXPECT_EQ(static_cast<unsigned char>(field[0]), 254u);
    EXPECT_EQ(field[253], '\x81');
    EXPECT_NE(field[254], '\x81');
    EXPECT_EQ(field[255], '\0');
}

}  // namespace
}  // namespace umbrix::engine
