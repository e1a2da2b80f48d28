// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole journeys through the assembled application, on the real event loop.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListView>
#include <csignal>

#include "app/HushvaultViewController.h"
#include "crypto/SecretToken.h"
#include "journeys/Journey.h"
#include "messaging/MessageDraft.h"
#include "sms/OutboxSmsService.h"
#include "sms/WebLinkHost.h"
#include "store/LockTime.h"
#include "support/RawSql.h"
#include "support/ui/ListRows.h"
#include "ui/GrowingTextView.h"
#include "ui/NavigationController.h"
#include "ui/SwitchControl.h"
#include "ui/TableRow.h"

using namespace hv;
using hv::test::Journey;

namespace {

QStringList outboxFiles(const Journey& journey) {
    return QDir(journey.dataDirectory() + "/Outbox").entryList({"*.sms"}, QDir::Files);
}

// What the first message kept in the Outbox says.
QString firstOutboxText(const Journey& journey) {
    const QString name = outboxFiles(journey).value(0);
    return QString::fromStdString(
        test::readFile(journey.profile().file("Outbox/" + name.toStdString())));
}

// Types a passcode (the administrator password by default) into the pad on screen and
// submits it.
void enterPasscode(Journey& journey, const QString& password = "2468") {
    journey.type(password);
    journey.press(Qt::Key_Return);
}

// The host of web links, as the settings screen would have set it.
void useWebLinkHost(const Journey& journey) {
    ASSERT_TRUE(WebLinkHost::store(journey.profile().path(), "links.example.org"));
}

// Types a message to a typed number with a preset password, as a person would.
void writeMessage(Journey& journey, const QString& text) {
    journey.click("personTextField");
    journey.type("+86 138 0013 8000");
    journey.click("passTextField");
    journey.type("tea");
    journey.click("internalTextView");
    journey.type(text);
}

}  // namespace

TEST(Journeys, SendStayOnTheComposerPastEveryDelayLeaveAndComeBackToTheDraft) {
    Journey journey;
    useWebLinkHost(journey);
    journey.start();
    ASSERT_NE(dynamic_cast<OutboxSmsService*>(&journey.app().smsService()), nullptr);
    journey.tap("newMessageButton");
    ASSERT_EQ(journey.barTitle(), localized("NMessage"));
    writeMessage(journey, "See you at eight");
    journey.tap("sendButton");
    ASSERT_NE(test::visibleAlert(), nullptr);
    journey.wait(5000);  // the outcome (1.5 s), the alert's end (2 s), the spinner's (4 s)
    EXPECT_EQ(test::visibleAlert(), nullptr);
    EXPECT_EQ(journey.barTitle(), localized("NMessage"));
    EXPECT_EQ(journey.find<GrowingTextView>("textView")->text(), "");
    EXPECT_EQ(outboxFiles(journey).size(), 1);
    HushvaultSqlite store(journey.profile().path());
    ASSERT_EQ(store.findAllSMS().size(), 1u);
    EXPECT_EQ(store.findAllSMS()[0].telePhoneNumber, "13800138000");

    journey.type("second thoughts");  // the alert gave the keyboard back to the message
    journey.press(Qt::Key_Escape);
    EXPECT_EQ(journey.barTitle(), localized("tolvaHiddenMSG"));
    journey.wait(50);
    journey.tap("newMessageButton");
    EXPECT_EQ(journey.find<QLineEdit>("personTextField")->text(), "+86 138 0013 8000");
    EXPECT_EQ(journey.find<QLineEdit>("passTextField")->text(), "tea");
    EXPECT_EQ(journey.find<GrowingTextView>("textView")->text(), "second thoughts");
    EXPECT_FALSE(MessageDraft::load(journey.app().paths().temporaryDirectory()));
    EXPECT_EQ(outboxFiles(journey).size(), 1);
}

TEST(Journeys, AnUnsentMessageOutlivesClosingTheWindowAndTheSessionEndingIt) {
    Journey journey;
    journey.start();
    const std::string drafts = journey.app().paths().temporaryDirectory();
    journey.tap("newMessageButton");
    writeMessage(journey, "closed on");
    journey.window()->close();
    journey.wait(50);
    ASSERT_TRUE(MessageDraft::load(drafts));
    EXPECT_EQ(MessageDraft::load(drafts)->text, "closed on");

    journey.quit();
    journey.start();
    journey.tap("newMessageButton");
    EXPECT_EQ(journey.find<GrowingTextView>("textView")->text(), "closed on");
    journey.click("internalTextView");
    journey.press(Qt::Key_End, Qt::ControlModifier);
    journey.type(", then ended");
    ::raise(SIGTERM);  // as a session or a phone's shell ends an application
    journey.wait(100);
    ASSERT_TRUE(MessageDraft::load(drafts));
    EXPECT_EQ(MessageDraft::load(drafts)->text, "closed on, then ended");
    EXPECT_EQ(MessageDraft::load(drafts)->password, "tea");
}

TEST(Journeys, OnADiskThatRefusesWritesTheSettingAndTheDraftSaySoAndNothingChanges) {
    Journey journey;
    journey.start();
    // The store refuses every change of a setting, and the draft's file cannot be replaced.
    ASSERT_TRUE(test::runSql(HushvaultSqlite(journey.profile().path()).dataBasePath(),
                             "CREATE TRIGGER refuse BEFORE UPDATE ON HidMSGNew "
                             "BEGIN SELECT RAISE(ABORT, 'disk full'); END;"));
    const std::string draftPath = MessageDraft::path(journey.app().paths().temporaryDirectory());
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(draftPath)));

    journey.tap("settingButton");
    journey.click("messageSwitch");
    ASSERT_NE(test::visibleAlert(), nullptr);
    EXPECT_EQ(test::visibleAlert()->messageText(), localized("setting not saved"));
    journey.tap("alertButton0");
    EXPECT_TRUE(journey.find<SwitchControl>("messageSwitch")->isOn());
    EXPECT_EQ(HushvaultSqlite(journey.profile().path()).findTelephoneNumber("Record"), "On");
    journey.press(Qt::Key_Escape);

    journey.tap("newMessageButton");
    writeMessage(journey, "kept for later?");
    journey.press(Qt::Key_Escape);
    ASSERT_NE(test::visibleAlert(), nullptr);
    EXPECT_EQ(test::visibleAlert()->messageText(), localized("draft not saved"));
    journey.tap("alertButton0");
    EXPECT_EQ(journey.barTitle(), localized("tolvaHiddenMSG"));
    EXPECT_EQ(test::visibleAlert(), nullptr);
}

TEST(Journeys, SetAnAdministratorPasswordAndLogInWithTheKeyboardAfterTheLockTime) {
    Journey journey;
    journey.start();
    journey.tap("settingButton");
    journey.click("settingRow0");
    ASSERT_EQ(journey.barTitle(), localized("Password Setting"));
    enterPasscode(journey);
    EXPECT_EQ(journey.find<QLabel>("countLabel")->text(), localized("input admin password again"));
    enterPasscode(journey);  // at once: the first entry goes, not what is typed now
    ASSERT_EQ(journey.barTitle(), localized("Setting"));
    EXPECT_EQ(journey.find<TableRow>("settingRow0")->detail(), localized("setted"));
    journey.press(Qt::Key_Escape);
    EXPECT_EQ(journey.barTitle(), localized("tolvaHiddenMSG"));

    // The next start, after the locking time ("Immediately") has run out.
    journey.quit();
    journey.wait(50);
    journey.start();
    EXPECT_FALSE(journey.app().delegate()->viewController()->IsLogin());
    journey.tap("settingButton");
    journey.click("settingRow1");
    ASSERT_EQ(journey.barTitle(), localized("Login"));
    journey.type("1357");
    journey.press(Qt::Key_Return);
    EXPECT_EQ(journey.find<QLabel>("countLabel")->text(), localized("incorrect admin password"));
    journey.wait(600);  // the pad empties itself; the keyboard stays in it
    enterPasscode(journey);
    ASSERT_EQ(journey.barTitle(), localized("Automatic locking"));
    // "Immediately": the login opened what asked for it, and no more.
    EXPECT_FALSE(journey.app().delegate()->viewController()->IsLogin());

    journey.click("lockTimeRow2");
    journey.press(Qt::Key_Escape);
    EXPECT_EQ(journey.find<TableRow>("settingRow1")->detail(), "5 minutes");
    journey.press(Qt::Key_Escape);
    EXPECT_EQ(journey.barTitle(), localized("tolvaHiddenMSG"));
}

TEST(Journeys, AWebLinkWaitsForAHostSetInTheSettingsAndTheOutboxSaysKeptNotSent) {
    Journey journey;
    journey.start();
    journey.tap("newMessageButton");
    writeMessage(journey, "north gate at eight");
    journey.tap("sendButton");
    ASSERT_NE(test::visibleAlert(), nullptr);
    EXPECT_EQ(test::visibleAlert()->messageText(), localized("no web link host"));
    EXPECT_TRUE(outboxFiles(journey).isEmpty());
    journey.tap("alertButton1");  // to the settings
    ASSERT_EQ(journey.barTitle(), localized("Setting"));
    EXPECT_EQ(journey.find<TableRow>("settingRow3")->detail(), localized("not set"));

    journey.click("settingRow3");
    journey.type("links.example.org");
    journey.press(Qt::Key_Return);  // "Save"
    EXPECT_EQ(journey.find<TableRow>("settingRow3")->detail(), "links.example.org");

    journey.press(Qt::Key_Escape);
    ASSERT_EQ(journey.barTitle(), localized("NMessage"));
    journey.tap("sendButton");
    // Nothing left the machine, and the composer does not say otherwise.
    EXPECT_TRUE(journey.waitUntil([] {
        return test::visibleAlert() &&
               test::visibleAlert()->titleText() == localized("kept in Outbox");
    }));
    ASSERT_EQ(outboxFiles(journey).size(), 1);
    EXPECT_TRUE(firstOutboxText(journey).contains("http://links.example.org/s/?m="));
}

TEST(Journeys, OpenTheGuideAndTheAboutScreenAndComeBack) {
    Journey journey;
    journey.start();
    journey.tap("help");
    EXPECT_EQ(journey.barTitle(), localized("Using Guide"));
    journey.tap("backButton");
    EXPECT_EQ(journey.barTitle(), localized("tolvaHiddenMSG"));

    journey.tap("infoButton");
    auto* about = qobject_cast<NavigationController*>(journey.window()->topController());
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->topViewController()->objectName(), "AboutUSViewController");
    journey.press(Qt::Key_Escape);
    EXPECT_EQ(journey.window()->topController(), journey.app().delegate()->nav());
}

TEST(Journeys, AFirstStartWithALinkOnAFreshProfileReadsItWithATypedPassword) {
    Journey journey;
    const std::string token = GenEncURL("see you at eight", "tea", true);
    journey.start(QString::fromStdString("hiddenmsg://" + token));
    journey.wait(50);
    ASSERT_EQ(journey.barTitle(), localized("tolvaHiddenMSG1"));
    EXPECT_EQ(journey.find<QTextEdit>("newText")->toPlainText(), QString::fromStdString(token));

    // A login tries the contacts' passwords; none fits, and Enter closes the warning.
    HushvaultSqlite(journey.profile().path()).updatetel("PassWord", "2468");
    journey.tap("readerLoginButton");
    enterPasscode(journey);
    journey.wait(50);
    ASSERT_NE(test::visibleAlert(), nullptr);
    EXPECT_EQ(test::visibleAlert()->messageText(), localized("No Match preset Password"));
    journey.press(Qt::Key_Return);
    journey.wait(50);
    EXPECT_EQ(test::visibleAlert(), nullptr);

    journey.tap("desButton");
    journey.type("tea");
    journey.press(Qt::Key_Return);  // the query's "Sure"
    EXPECT_EQ(journey.find<QTextEdit>("newText")->toPlainText(),
              localized("The decrypted message") + ":\nsee you at eight");
    HushvaultSqlite store(journey.profile().path());
    ASSERT_EQ(store.findAllSMS().size(), 1u);  // the fresh profile keeps records by default
    EXPECT_EQ(store.findAllSMS()[0].statue, "3");
}

class JourneysAtSize : public ::testing::TestWithParam<QSize> {};

INSTANTIATE_TEST_SUITE_P(
    PhoneSizes, JourneysAtSize, ::testing::Values(QSize(320, 480), QSize(360, 720)),
    [](const auto& size) {
        return QString("%1x%2").arg(size.param.width()).arg(size.param.height()).toStdString();
    });

TEST_P(JourneysAtSize, SendToOneselfReadItFromTheOutboxAfterALoginAndFindBothRecords) {
    Journey journey;
    journey.setWindowSize(GetParam());
    journey.start();
    {
        HushvaultSqlite store(journey.profile().path());
        store.updatetel("PassWord", "2468");
        store.addContracts("Me", "+86 138 0013 8000", "tea", "1");
    }
    journey.tap("newMessageButton");
    writeMessage(journey, "meet me at the north gate");
    journey.click("phoneTypeRow");
    journey.click("phoneTypeRow1");  // the friend (oneself) runs Hushvault
    journey.tap("sendButton");
    journey.wait(2200);
    journey.press(Qt::Key_Escape);
    ASSERT_EQ(outboxFiles(journey).size(), 1);

    // The link from the Outbox file, opened by another start while this one runs.
    const QString body = firstOutboxText(journey);
    const QString link = body.mid(body.indexOf("hiddenmsg://")).trimmed();
    QString output;
    EXPECT_EQ(test::run(HV_APP, {"--data-dir=" + journey.dataDirectory(), link}, &output), 0)
        << output.toStdString();
    journey.wait(100);
    ASSERT_EQ(journey.barTitle(), localized("tolvaHiddenMSG1"));

    journey.tap("readerLoginButton");
    enterPasscode(journey);
    journey.wait(50);
    EXPECT_EQ(journey.find<QTextEdit>("newText")->toPlainText(),
              localized("The decrypted message") + ":\nmeet me at the north gate");

    // The next start: the records, behind the login, hold the sent and the read message.
    journey.quit();
    journey.start();
    journey.tap("smsMessagesButton");
    enterPasscode(journey);
    ASSERT_EQ(journey.barTitle(), localized("records"));
    auto* list = journey.find<QListView>("tableView");
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_TRUE(list->model()->index(0, 0).data().toString().endsWith("north gate"));
}

TEST(Journeys, WithoutMd5TheApplicationSaysWhyAndDoesNotStart) {
    Journey journey;  // not started: the start below is the only one
    const std::string configuration = test::writeFile(
        journey.profile().file("base.cnf"),
        "openssl_conf = init\n[init]\nproviders = providers\n[providers]\nbase = base\n"
        "[base]\nactivate = 1\n");
    QString output;
    EXPECT_EQ(test::run(HV_APP, {"--data-dir=" + journey.dataDirectory()}, &output,
                        {"OPENSSL_CONF=" + QString::fromStdString(configuration)}),
              1);
    EXPECT_TRUE(output.contains("no MD5")) << output.toStdString();
    EXPECT_FALSE(QFile::exists(journey.dataDirectory() + "/HiddenMSGTable"));
}

TEST(Journeys, AddAFriendFromTheAddressBookPickInTheComposerAndSend) {
    Journey journey;
    QDir().mkpath(journey.contactsDirectory() + "/phone");
    test::writeFile(journey.profile().file("vcards/phone/export.vcf"),
                    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Wang Fang\r\nN:Wang;Fang;;;\r\n"
                    "TEL:+86 139 0000 0001\r\nEND:VCARD\r\n"
                    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Lei Li\r\nN:Li;Lei;;;\r\n"
                    "TEL;TYPE=HOME:+86 10 6000 0000\r\nTEL;TYPE=CELL:+86 138 0013 8000\r\n"
                    "END:VCARD\r\n");
    journey.start();
    {
        HushvaultSqlite store(journey.profile().path());
        store.updatetel("PassWord", "2468");
    }

    // Behind the login: the secret contacts, none yet.
    journey.tap("smsContractsButton");
    enterPasscode(journey);
    ASSERT_EQ(journey.barTitle(), localized("Management"));

    // "+", "choose", a person with two numbers, the mobile one.
    journey.tap("editButton");
    journey.tap("addButton");
    journey.tap("alertButton1");
    ASSERT_EQ(journey.barTitle(), localized("Address Book"));
    test::tapRow(journey.window(), "Lei Li");
    ASSERT_EQ(journey.barTitle(), localized("Choose Number"));
    journey.click("numberRow1");
    journey.wait(50);
    ASSERT_EQ(journey.barTitle(), localized("AFManagement"));
    EXPECT_EQ(journey.find<QLineEdit>("nameTextField")->text(), "Lei Li");
    journey.click("passWordTextField");
    journey.type("tea");
    journey.tap("typeSwitch");
    journey.tap("saveButton");
    ASSERT_EQ(journey.barTitle(), localized("Management"));
    EXPECT_EQ(test::shownRows(journey.window()), QStringList({"[L]", "Lei Li"}));

    // Picked in the composer, sent to the friend's Hushvault.
    journey.tap("editButton");  // "Done"
    journey.press(Qt::Key_Escape);
    journey.wait(50);
    journey.tap("newMessageButton");
    journey.tap("detailButton");
    enterPasscode(journey);  // the secret contacts are behind the login here too
    ASSERT_EQ(journey.find<QWidget>("chooseSegmentController") != nullptr, true);
    test::tapRow(journey.window(), "Lei Li");
    ASSERT_EQ(journey.barTitle(), localized("NMessage"));
    EXPECT_EQ(journey.find<QLineEdit>("personTextField")->text(), "Lei Li");
    EXPECT_EQ(journey.find<QLineEdit>("passTextField")->text(), "tea");
    journey.click("internalTextView");
    journey.type("north gate at eight");
    journey.tap("sendButton");
    journey.wait(2200);
    ASSERT_EQ(outboxFiles(journey).size(), 1);
    EXPECT_TRUE(firstOutboxText(journey).contains("hiddenmsg://")) << "the friend runs Hushvault";
    HushvaultSqlite records(journey.profile().path());
    ASSERT_EQ(records.findAllSMS().size(), 1u);
    EXPECT_EQ(records.findAllSMS()[0].telePhoneNumber, "13800138000");
}

TEST(Journeys, SendThroughTheModemSeeSentThenTheModemsError) {
    test::FakeModemManager modemManager;
    Journey journey;
    useWebLinkHost(journey);
    // The application's system bus is the fake's (read when it first connects).
    journey.setEnvironment("DBUS_SYSTEM_BUS_ADDRESS", modemManager.address());
    journey.setSms("modem");
    journey.start();
    // The window is up before ModemManager has answered; the modem follows.
    ASSERT_TRUE(journey.waitUntil([&] { return !journey.app().smsService().isLookingUp(); }));
    journey.tap("newMessageButton");
    writeMessage(journey, "north gate at eight");
    journey.tap("sendButton");
    ASSERT_TRUE(journey.waitUntil([] {
        return test::visibleAlert() && test::visibleAlert()->titleText() == localized("F-send");
    }));
    ASSERT_EQ(modemManager.sent().size(), 1u);
    EXPECT_EQ(modemManager.sent()[0].number, "+8613800138000");
    EXPECT_TRUE(outboxFiles(journey).isEmpty());
    journey.wait(2500);

    modemManager.setOutcome("fail");
    journey.click("internalTextView");
    journey.type("second");
    journey.tap("sendButton");
    EXPECT_TRUE(journey.waitUntil([] {
        return test::visibleAlert() &&
               test::visibleAlert()->messageText() == localized("send error");
    }));
    journey.quit();
}

TEST(Journeys, TheLockComesBackWhileHushvaultRuns) {
    Journey journey;
    journey.start();
    {
        HushvaultSqlite store(journey.profile().path());
        store.updatetel("PassWord", "2468");
        store.updatetel("Time", "1");
    }
    journey.tap("smsMessagesButton");
    enterPasscode(journey);
    ASSERT_EQ(journey.barTitle(), localized("records"));

    // Two minutes later the user comes back to Hushvault: the records are gone.
    HushvaultSqlite(journey.profile().path())
        .updatetel("LockTime", formatLockTime(secondsSinceEpochNow() - 120));
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(journey.barTitle(), localized("tolvaHiddenMSG"));
    journey.tap("smsMessagesButton");
    EXPECT_EQ(journey.barTitle(), localized("Login"));
}
