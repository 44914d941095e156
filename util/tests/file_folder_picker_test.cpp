#include "util/file/zt_folder_picker.h"

#include "platform/interaction.h"
#include "platform/registry/registry.h"
#include "platform/tests/support/test_environment.h"
#include "util/config/registry_functions.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using kelvo::testing::TestEnvironment;

constexpr const char* kKey = "Software\\Quorvel\\Kelvo Empresarial";
constexpr const char* kValue = "LastDirectorySearch";

// A picker that answers as told and remembers where it was asked to start.
class FakePicker final : public platform::Interaction {
public:
    explicit FakePicker(std::optional<platform::String> answer) : answer_(std::move(answer)) {
        previous_ = platform::SetInteraction(this);
    }
    ~FakePicker() override { platform::SetInteraction(previous_); }

    int ShowMessage(const platform::String&, const platform::String&, unsigned type, bool) override {
        return platform::DefaultAnswer(type);
    }
    std::optional<platform::String> ChooseFolder(const platform::String& start) override {
        ++calls;
        started = start;
        return answer_;
    }
    platform::String LoadText(unsigned) override { return {}; }

    int calls = 0;
    platform::String started;

private:
    std::optional<platform::String> answer_;
    platform::Interaction* previous_ = nullptr;
};

CZTString StoredFolder() { return ZTLeStringRegistry(platform::HKEY_CURRENT_USER, kKey, kValue); }

TEST(ZTEscolheDiretorio, ChosenFolderIsReturnedAndRemembered) {
    TestEnvironment env;
    FakePicker picker(platform::String("/dados/novo"));
    EXPECT_EQ(ZTEscolheDiretorio(), "/dados/novo");
    EXPECT_EQ(picker.calls, 1);
    EXPECT_EQ(picker.started, "");
    EXPECT_EQ(StoredFolder(), "/dados/novo");
}

TEST(ZTEscolheDiretorio, PickerStartsAtTheLastFolder) {
    TestEnvironment env;
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_CURRENT_USER, kKey, kValue, "/dados/antigo"), 0u);
    FakePicker picker(platform::String("/dados/outro"));
    EXPECT_EQ(ZTEscolheDiretorio(), "/dados/outro");
    EXPECT_EQ(picker.started, "/dados/antigo");
    EXPECT_EQ(StoredFolder(), "/dados/outro");
}

// Cancelling, or a pick without a path, must give back the previous folder, not an empty one.
TEST(ZTEscolheDiretorio, CancelOrEmptyPickGivesTheLastFolder) {
    TestEnvironment env;
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_CURRENT_USER, kKey, kValue, "/dados/antigo"), 0u);
    for (const std::optional<platform::String>& answer : {std::optional<platform::String>{}, std::optional<platform::String>{""}}) {
        FakePicker picker(answer);
        EXPECT_EQ(ZTEscolheDiretorio(), "/dados/antigo");
        EXPECT_EQ(StoredFolder(), "/dados/antigo");
    }
}

TEST(ZTEscolheDiretorio, WithoutAWindowLayerThePickIsCancelled) {
    TestEnvironment env;
    EXPECT_EQ(ZTEscolheDiretorio(), "");
    ASSERT_EQ(ZTGravaStringRegistry(platform::HKEY_CURRENT_USER, kKey, kValue, "/dados/antigo"), 0u);
    EXPECT_EQ(ZTEscolheDiretorio(), "/dados/antigo");
}

}  // namespace
