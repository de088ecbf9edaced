// The stored change date: the value's bytes, reading it back, and the file
// that holds it where there is no registry.
#include <gtest/gtest.h>

#include "chgu/change_date_store.h"
#include "platform/codepage.h"
#include "test_support.h"

namespace chgu {
namespace {

using test::TempFolder;
using test::U16;
using test::U8;

std::string Bytes(std::initializer_list<unsigned> values) {
    std::string bytes;
    for (const unsigned v : values) {
        bytes.push_back(static_cast<char>(v));
    }
    return bytes;
}

TEST(ChangeDateValue, DesignFormIsItsFourteenGbkBytesWithoutNul) {
    MemoryChangeDateStore store;
    store.type = 99;
    WriteChangeDate(store, U16("2009年01月26日"));
    EXPECT_EQ(store.type, 0u);
    EXPECT_EQ(store.bytes,
              Bytes({'2', '0', '0', '9', 0xC4, 0xEA, '0', '1', 0xD4, 0xC2, '2', '6', 0xC8, 0xD5}));
    EXPECT_EQ(U8(ReadChangeDate(store)), "2009年01月26日");
}

TEST(ChangeDateValue, CountStopsAfterTheTerminatingNul) {
    EXPECT_EQ(ChangeDateValue(u"2009"), std::string("2009\0", 5));
    EXPECT_EQ(ChangeDateValue(u""), std::string("\0", 1));
    EXPECT_EQ(ChangeDateValue(U16("2009年1月6日")), platform::Utf8ToGbk("2009年1月6日"));
}

// Length plus 3 would cut a text with more than three double-byte
// characters, here inside the last one; it is kept whole.
TEST(ChangeDateValue, TextWithManyChineseCharactersIsStoredWhole) {
    MemoryChangeDateStore store;
    WriteChangeDate(store, U16("二〇〇九年正月"));
    EXPECT_EQ(store.bytes, platform::Utf8ToGbk("二〇〇九年正月"));
    EXPECT_EQ(U8(ReadChangeDate(store)), "二〇〇九年正月");
}

// A value beyond what readers take would read back as none, and the next
// start would put the welcome text over the input box's text.
TEST(ChangeDateValue, TextBeyondWhatReadersTakeKeepsTheCharactersThatFit) {
    MemoryChangeDateStore store;
    WriteChangeDate(store, std::u16string(200, u'年'));  // 400 bytes
    EXPECT_EQ(store.bytes->size(), 254u);                // 127 characters, none cut
    EXPECT_EQ(ReadChangeDate(store), std::u16string(127, u'年'));
    WriteChangeDate(store, u"x" + std::u16string(200, u'年'));
    EXPECT_EQ(ReadChangeDate(store), u"x" + std::u16string(127, u'年'));
    WriteChangeDate(store, std::u16string(300, u'7'));
    EXPECT_EQ(ReadChangeDate(store), std::u16string(255, u'7'));
}

// Saved means the next start reads the date: a refused write is no save,
// unless the store already holds the same value.
TEST(WriteChangeDate, AnswersWhetherTheStoreReadsTheDateBack) {
    MemoryChangeDateStore store;
    EXPECT_TRUE(WriteChangeDate(store, U16("2009年01月26日")));
    store.refuses_writes = true;
    EXPECT_TRUE(WriteChangeDate(store, U16("2009年01月26日")));
    EXPECT_FALSE(WriteChangeDate(store, U16("2010年02月14日")));
    EXPECT_EQ(U8(ReadChangeDate(store)), "2009年01月26日");
    store.bytes.reset();
    EXPECT_FALSE(WriteChangeDate(store, u""));
}

TEST(ReadChangeDate, TakesTheTextBeforeTheFirstNul) {
    MemoryChangeDateStore store;
    store.bytes = platform::Utf8ToGbk("2008年02月07日") + std::string("\0junk", 5);
    EXPECT_EQ(U8(ReadChangeDate(store)), "2008年02月07日");
}

TEST(ReadChangeDate, NoValueOrOneThatDoesNotFitIsEmpty) {
    MemoryChangeDateStore store;
    EXPECT_EQ(ReadChangeDate(store), u"");
    store.bytes = std::string(255, '7');
    EXPECT_EQ(ReadChangeDate(store).size(), 255u);
    store.bytes = std::string(256, '7');
    EXPECT_EQ(ReadChangeDate(store), u"");
}

// The change date in the file that holds it where there is no registry.
platform::FileValue FileStore(std::filesystem::path file) {
    return platform::FileValue(std::move(file), kChangeDateReadCapacity);
}

TEST(FileChangeDateStore, KeepsTheRawBytesAcrossStores) {
    TempFolder folder;
    const auto file = folder.path() / "config" / "chgu" / "ChangeDate";
    EXPECT_EQ(FileStore(file).Read(), std::nullopt);
    {
        platform::FileValue store = FileStore(file);
        WriteChangeDate(store, U16("2009年01月26日"));
        WriteChangeDate(store, U16("2010年02月14日"));
    }
    EXPECT_EQ(FileStore(file).Read(), platform::Utf8ToGbk("2010年02月14日"));
    EXPECT_EQ(U8(ReadChangeDate(FileStore(file))), "2010年02月14日");
}

TEST(FileChangeDateStore, UnusableFolderIsNoValueAndNoCrash) {
    TempFolder folder;
    const auto blocker = folder.Write("config", "not a folder");
    platform::FileValue store = FileStore(blocker / "chgu" / "ChangeDate");
    WriteChangeDate(store, U16("2009年01月26日"));
    EXPECT_EQ(store.Read(), std::nullopt);
    EXPECT_EQ(ReadChangeDate(store), u"");

    platform::FileValue nowhere = FileStore({});
    WriteChangeDate(nowhere, u"2009");
    EXPECT_EQ(nowhere.Read(), std::nullopt);
}

// A write that fails, or a rename over the value that fails, leaves the
// stored value as it was and no file beside it.
TEST(FileChangeDateStore, AFailedWriteOrRenameKeepsTheValue) {
    TempFolder folder;
    const auto file = folder.path() / "ChangeDate";
    {
        platform::FileValue store = FileStore(file);
        WriteChangeDate(store, U16("2009年01月26日"));
        std::filesystem::create_directory(folder.path() / "ChangeDate.new");  // cannot be written
        WriteChangeDate(store, U16("2010年02月14日"));
        EXPECT_EQ(U8(ReadChangeDate(store)), "2009年01月26日");
        std::filesystem::remove(folder.path() / "ChangeDate.new");
    }
    const auto taken = folder.path() / "Taken";
    std::filesystem::create_directories(taken / "inside");  // a rename cannot replace it
    platform::FileValue store = FileStore(taken);
    WriteChangeDate(store, U16("2010年02月14日"));
    EXPECT_TRUE(std::filesystem::is_directory(taken / "inside"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Taken.new"));
    EXPECT_EQ(store.Read(), std::nullopt);
}

TEST(FileChangeDateStore, OversizedFileReadsAsNoValue) {
    TempFolder folder;
    const auto file = folder.Write("ChangeDate", std::string(100000, '1'));
    EXPECT_EQ(ReadChangeDate(FileStore(file)), u"");
}

TEST(UserChangeDateFile, UnderTheUsersConfigurationFolder) {
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "home";
    const std::filesystem::path xdg = std::filesystem::temp_directory_path() / "xdg";
    EXPECT_EQ(platform::UserConfigurationFile(xdg.string().c_str(), home.string().c_str(),
                                              kChangeDatePlace),
              xdg / "chgu" / "ChangeDate");
    EXPECT_EQ(
        platform::UserConfigurationFile("relative/config", home.string().c_str(), kChangeDatePlace),
        home / ".config" / "chgu" / "ChangeDate");
    EXPECT_EQ(platform::UserConfigurationFile(nullptr, nullptr, kChangeDatePlace), std::nullopt);
}

}  // namespace
}  // namespace chgu
