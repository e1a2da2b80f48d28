// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messaging/SMSReadViewController.h"

#include <QPushButton>
#include <QTextEdit>

#include "crypto/SecretToken.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "support/ui/ScreenTest.h"

using namespace hv;

namespace {

class ReaderTest : public test::ScreenTest {
protected:
    // Opens the reader for a link the way the application does: the root of a container
    // on top of the window.
    SMSReadViewController* open(const std::string& token, const QString& sender = {}) {
        ReaderScreens screens;
        screens.login = []() -> ViewController* { return new ViewController; };
        screens.composer = [this](const Contacts& to) -> ViewController* {
            replyTo = to;
            return new ViewController;
        };
        screens.exitApplication = [] {};
        auto* reader = new SMSReadViewController(dir.paths(), screens);
        reader->setOriginaltext(QString::fromStdString("hiddenmsg://" + token));
        reader->setSender(sender);
        readerNav = new NavigationController(reader);
        window.presentController(readerNav, false);
        return reader;
    }

    QString shown(QWidget* reader) {
        return reader->findChild<QTextEdit*>("newText")->toPlainText();
    }

    // Taps the action button and answers the password query (nothing: "Cancel").
    void typePassword(QWidget* reader, std::optional<QString> password) {
        test::tap(reader, "desButton");
        AlertView* query = test::visibleAlert();
        ASSERT_NE(query, nullptr);
        if (password) QTest::keyClicks(query->textField(), *password);
        test::tapAlertButton(query, password ? 1 : 0);
    }

    void postLogin() { NotificationCenter::defaultCenter().postNotification(kNotificationLogin); }

    NavigationController* readerNav = nullptr;
    Contacts replyTo;
};

}  // namespace

TEST_F(ReaderTest, ADamagedLinkIsSaidToBeDamagedNotBlamedOnAPassword) {
    store.addContracts("Li", "138", "tea", "1");
    const std::string whole = GenEncURL("see you", "tea", true);
    for (const std::string& token :
         {std::string("%%%zz!!"), whole.substr(0, whole.size() - 3) + "!", whole.substr(0, 3)}) {
        auto* reader = open(token);
        postLogin();
        ASSERT_EQ(alertMessage(), localized("damaged link")) << token;
        test::tapAlertButton(test::visibleAlert(), 0);
        typePassword(reader, "tea");
        ASSERT_EQ(alertMessage(), localized("damaged link")) << token;
        test::tapAlertButton(test::visibleAlert(), 0);
        window.dismissController(readerNav, false);
    }
}

TEST_F(ReaderTest, NoPasswordOrAMisfitLeavesTheMessageForAnotherTry) {
    auto* reader = open(GenEncURL("密信", "tea", true));
    const QString token = shown(reader);
    typePassword(reader, std::nullopt);
    typePassword(reader, QString());
    EXPECT_EQ(test::visibleAlert(), nullptr);
    EXPECT_EQ(shown(reader), token);

    typePassword(reader, "coffee");
    ASSERT_EQ(alertMessage(), localized("Incorrect De-password"));
    test::tapAlertButton(test::visibleAlert(), 0);
    EXPECT_EQ(shown(reader), token);
    EXPECT_EQ(reader->findChild<QPushButton*>("desButton")->text(), localized("Decryption"));
    EXPECT_TRUE(store.findAllSMS().empty());
}

TEST_F(ReaderTest, AKnownSenderIsNamedTriedFirstAndAnsweredWithTheirPassword) {
    // Both contacts' passwords open the message; without a sender the newer one would win.
    const std::string token = GenEncURL("lunch?", "tea", true);
    store.addContracts("Li", "+86 138 0013 8000", "tea", "1");
    store.addContracts("Wang", "139", "tea", "0");

    auto* reader = open(token, "+8613800138000");
    postLogin();
    EXPECT_EQ(shown(reader), localized("The decrypted message") + ":\nlunch?");
    postLogin();  // already read: not recorded again
    test::tap(reader, "desButton");
    EXPECT_EQ(replyTo.name, "Li");
    EXPECT_EQ(replyTo.passWord, "tea");
    ASSERT_EQ(store.findAllSMS().size(), 1u);
    EXPECT_EQ(store.findAllSMS()[0].telePhoneNumber, "");  // records stay the reader's

    // A number that is no secret contact's: named by the number, answered with the password
    // the user typed.
    auto* other = open(GenEncURL("who?", "milk", true), "+15550109999");
    EXPECT_EQ(other->findChild<QLabel*>("senderLabel")->text(),
              localized("From").arg("+15550109999"));
    typePassword(other, "milk");
    test::tap(other, "desButton");
    EXPECT_EQ(replyTo.telePhoneNumber, "+15550109999");
    EXPECT_EQ(replyTo.passWord, "milk");
}
