// The engine boots counter file: its encoding, which lines belong to an engine, and saves that
// keep every other line and never lose the file.

#include "snmplib/BootCounter.h"
#include "snmplib/SnmpStatus.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class BootCounterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "sorvane-boots-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        file_ = (dir_ / "MvSNMP_PP_BootCounter").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const std::string& text) const { std::ofstream(file_, std::ios::binary) << text; }
    std::string Read() const
    {
        std::ostringstream text;
        text << std::ifstream(file_, std::ios::binary).rdbuf();
        return text.str();
    }

    fs::path dir_;
    std::string file_;
    const OctetStr id_{std::string("\x4d\x76", 2)};   // written DMGF
};

TEST_F(BootCounterTest, EncodesEachNibblePlus0x40)
{
    EXPECT_EQ(EncodeBootCounterId(id_), "DMGF");
    EXPECT_EQ(EncodeBootCounterId(OctetStr(std::string("\x00\xff", 2))), "@@OO");
    ASSERT_EQ(saveBootCounter(file_, id_, 7), BOOT_COUNTER_OK);
    EXPECT_EQ(Read(), "DMGF 7\n");
}

TEST_F(BootCounterTest, ReadsTheFirstLineOfTheEngine)
{
    const struct {
        const char* content;
        int status;
        unsigned int boots;
    } cases[] = {
        {"# DMGF 9\nDMGFAA 8\nDMGF 4\nDMGF 5\n", BOOT_COUNTER_OK, 4},   // comments and other ids never match
        {"DMGF abc\n", BOOT_COUNTER_OK, 0},                             // a count that is no number
        {"DMGF 12 trailing\n", BOOT_COUNTER_OK, 12},
        {"AAAA 3\n", BOOT_COUNTER_NO_ENTRY, 0},
        {"DMGF\n", BOOT_COUNTER_NO_BLANK, 0},
        {"", BOOT_COUNTER_NO_ENTRY, 0},
    };
    for (const auto& c : cases) {
        Write(c.content);
        unsigned int boots = 99;
        EXPECT_EQ(getBootCounter(file_, id_, boots), c.status) << c.content;
        EXPECT_EQ(boots, c.boots) << c.content;
    }
    unsigned int boots = 99;
    EXPECT_EQ(getBootCounter((dir_ / "missing").string(), id_, boots), BOOT_COUNTER_OPEN_FAILED);
    EXPECT_EQ(getBootCounter(file_, OctetStr(std::string(33, 'x')), boots), BOOT_COUNTER_ID_TOO_LONG);
}

TEST_F(BootCounterTest, SaveKeepsOtherLinesReplacesTheFirstAndDropsLaterOnes)
{
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"# kept\nAAAA 3\nDMGF 1\nBBBB 4\nDMGF 2\n", "# kept\nAAAA 3\nDMGF 8\nBBBB 4\n"},
        {"# kept\nAAAA 3\n", "# kept\nAAAA 3\nDMGF 8\n"},
        {"AAAA 3", "AAAA 3\nDMGF 8\n"},   // a last line without its line feed stays a line of its own
        {"", "DMGF 8\n"},
    };
    for (const auto& c : cases) {
        Write(c.before);
        ASSERT_EQ(saveBootCounter(file_, id_, 8), BOOT_COUNTER_OK) << c.before;
        EXPECT_EQ(Read(), c.after) << c.before;
    }
}

TEST_F(BootCounterTest, SaveCreatesTheFileOverwritesALeftoverTemporaryAndCutsLongIds)
{
    std::ofstream(file_ + ".tmp") << "left over from a crash\n";
    ASSERT_EQ(saveBootCounter(file_, id_, 1), BOOT_COUNTER_OK);
    EXPECT_EQ(Read(), "DMGF 1\n");
    EXPECT_FALSE(fs::exists(file_ + ".tmp"));

    const OctetStr longId(std::string(40, '\x11'));
    ASSERT_EQ(saveBootCounter(file_, longId, 3), BOOT_COUNTER_OK);
    EXPECT_EQ(Read(), "DMGF 1\n" + std::string(64, 'A') + " 3\n");
}

TEST_F(BootCounterTest, AFailedSaveLeavesTheOldFileIntact)
{
    const std::string old = "# site notes\nAAAA 3\nDMGF 1\n";
    Write(old);
    // The new content cannot be written (a full disk): the old file must survive whole.
    fs::create_symlink("/dev/full", file_ + ".tmp");
    EXPECT_EQ(saveBootCounter(file_, id_, 2), BOOT_COUNTER_OPEN_FAILED);
    EXPECT_EQ(Read(), old);
}

} // namespace
