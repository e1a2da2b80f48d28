// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/AdminPasswordSteps.h"

#include <gtest/gtest.h>

#include "access/LoginCheck.h"
#include "access/PassCodeResult.h"

using hv::AdminPasswordSteps;

namespace {

// Codes of a run of entries on one screen; a stored password ends the run.
std::vector<int> enter(AdminPasswordSteps& screen, std::vector<std::string> entries,
                       std::optional<std::string>* stored = nullptr) {
    std::vector<int> codes;
    for (const auto& entry : entries) {
        const auto outcome = screen.enter(entry);
        codes.push_back(outcome.code);
        if (outcome.store && stored) *stored = outcome.store;
    }
    return codes;
}

class AdminPasswordStepsTest : public ::testing::Test {
protected:
    void SetUp() override { AdminPasswordSteps::forgetSteps(); }  // a fresh process
};

}  // namespace

TEST_F(AdminPasswordStepsTest, SettingTakesTwoEqualEntriesChangingTakesOldNewAndNewAgain) {
    struct Case {
        const char* stored;
        std::vector<std::string> entries;
        std::vector<int> codes;
        std::optional<std::string> saved;
    };
    const Case cases[] = {
        {"",
         {"1111", "2222", "3333", "3333"},  // a mismatch starts a new pair
         {hv::kPassCodeConfirmAdmin, hv::kPassCodeMismatch, hv::kPassCodeConfirmAdmin,
          hv::kPassCodeSaved},
         "3333"},
        {"1234",
         {"9999", "1234", "5678", "5678"},
         {hv::kPassCodeWrongOld, hv::kPassCodeEnterNew, hv::kPassCodeConfirmNew,
          hv::kPassCodeSaved},
         "5678"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        AdminPasswordSteps::forgetSteps();
        AdminPasswordSteps screen(c.stored);
        std::optional<std::string> saved;
        EXPECT_EQ(enter(screen, c.entries, &saved), c.codes);
        EXPECT_EQ(saved, c.saved);
    }
}

TEST_F(AdminPasswordStepsTest, TheCounterCarriesAcrossScreensUntilOneGoesAway) {
    AdminPasswordSteps setting("");
    enter(setting, {"4321", "4321"});  // counter at 2, the screen still there
    AdminPasswordSteps changing("4321");
    // The first entry meets the confirmation step with no new password yet.
    EXPECT_EQ(enter(changing, {"4321", "4321"}),
              std::vector<int>({hv::kPassCodeConfirmAdmin, hv::kPassCodeEnterNew}));
    AdminPasswordSteps::forgetSteps();  // the owner leaves after the correct old password
    AdminPasswordSteps reopened("4321");
    std::optional<std::string> stored;
    EXPECT_EQ(enter(reopened, {"0000", "0000", "0000"}, &stored),
              std::vector<int>(3, hv::kPassCodeWrongOld));
    EXPECT_EQ(stored, std::nullopt);
}

TEST(LoginCheck, MatchesExactlyAndNeedsAStoredPassword) {
    EXPECT_EQ(hv::checkLogin(std::nullopt, "1234"), hv::kPassCodeNoPassword);
    EXPECT_EQ(hv::checkLogin(std::string(), "1234"), hv::kPassCodeNoPassword);
    EXPECT_EQ(hv::checkLogin(std::string("Ab12"), "Ab12"), hv::kPassCodeLoggedIn);
    for (const char* wrong : {"ab12", "Ab13", "Ab12 ", "Ab1"})
        EXPECT_EQ(hv::checkLogin(std::string("Ab12"), wrong), hv::kPassCodeWrongAdmin) << wrong;
}
