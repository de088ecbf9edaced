// The registry store itself, on the real registry (under Wine in the tests):
// a key of this test's own under HKEY_CURRENT_USER, removed at the end.
#include <windows.h>

#include <gtest/gtest.h>
#include <sddl.h>

#include <string>

#include "chgu/change_date_store.h"
#include "platform/codepage.h"

namespace chgu {
namespace {

class RegistryStore : public ::testing::Test {
  protected:
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str()); }

    bool Put(DWORD type, std::string_view bytes) {
        HKEY key = nullptr;
        if (RegCreateKeyA(HKEY_CURRENT_USER, key_.c_str(), &key) != ERROR_SUCCESS) {
            return false;
        }
        const LONG result = RegSetValueExA(key, kChangeDatePlace.name.c_str(), 0, type,
                                           reinterpret_cast<const BYTE*>(bytes.data()),
                                           static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
        return result == ERROR_SUCCESS;
    }

    const std::string key_ = "Software\\ChguStatStoreTest" + std::to_string(GetCurrentProcessId());
    // The user's value of the system's store, under this test's key.
    std::unique_ptr<ChangeDateStore> user_store_ = platform::SystemStoredValue(
        platform::ValueScope::kUser,
        {key_, kChangeDatePlace.name, kChangeDatePlace.folder, kChangeDateReadCapacity});
    ChangeDateStore& store_ = *user_store_;
};

TEST_F(RegistryStore, NoKeyIsNoValueAndAWriteCreatesIt) {
    EXPECT_EQ(store_.Read(), std::nullopt);
    EXPECT_TRUE(WriteChangeDate(store_, platform::Utf8ToUtf16("2009年01月26日")));
    EXPECT_EQ(store_.Read(), platform::Utf8ToGbk("2009年01月26日"));
}

// Readers do not look at the type: the bytes of any value are the date.
TEST_F(RegistryStore, AValueOfAnotherTypeIsReadAsItsBytes) {
    ASSERT_TRUE(Put(REG_BINARY, platform::Utf8ToGbk("2008年02月07日")));
    EXPECT_EQ(platform::GbkToUtf16(*store_.Read()), platform::Utf8ToUtf16("2008年02月07日"));
    ASSERT_TRUE(Put(REG_DWORD, std::string("2010", 4)));
    EXPECT_EQ(ReadChangeDate(store_), u"2010");
}

TEST_F(RegistryStore, TwoHundredFiftyFiveBytesAreReadAndTwoHundredFiftySixAreNoValue) {
    ASSERT_TRUE(Put(REG_NONE, std::string(255, '7')));
    EXPECT_EQ(store_.Read(), std::string(255, '7'));
    ASSERT_TRUE(Put(REG_NONE, std::string(256, '7')));
    EXPECT_EQ(store_.Read(), std::nullopt);
    EXPECT_EQ(ReadChangeDate(store_), u"");
}

// A key whose security lets everyone read it but no one set its values, as
// the machine's key is for an ordinary user on Windows: the write changes
// nothing and is no save.
TEST_F(RegistryStore, AKeyThatRefusesWritesKeepsItsDateAndTheWriteIsNoSave) {
    ASSERT_TRUE(Put(REG_NONE, platform::Utf8ToGbk("2008年02月07日")));
    PSECURITY_DESCRIPTOR security = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
        "D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1, &security, nullptr));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, WRITE_DAC, &key), ERROR_SUCCESS);
    const LONG secured = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security);
    RegCloseKey(key);
    LocalFree(security);
    ASSERT_EQ(secured, ERROR_SUCCESS);

    EXPECT_FALSE(WriteChangeDate(store_, platform::Utf8ToUtf16("2009年01月26日")));
    EXPECT_EQ(ReadChangeDate(store_), platform::Utf8ToUtf16("2008年02月07日"));
}

}  // namespace
}  // namespace chgu
