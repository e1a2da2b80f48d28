// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Secret messages that reach Hushvault without a tappable link: pasted, dropped, taken
// from the clipboard, or received by the modem and noticed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <functional>

#include "app/HushvaultAppDelegate.h"
#include "app/HushvaultViewController.h"
#include "app/SecretMessageNotices.h"
#include "crypto/SecretToken.h"
#include "platform/AutostartEntry.h"
#include "platform/DesktopNotifier.h"
#include "platform/IncomingMessageWatcher.h"
#include "platform/Localization.h"
#include "store/HushvaultSqlite.h"
#include "support/FakeModemManager.h"
#include "support/FakeNotifications.h"
#include "support/ManualClock.h"
#include "support/TempDir.h"
#include "support/UiHelpers.h"
#include "ui/AlertView.h"
#include "ui/Window.h"

using namespace hv;

namespace {

// A drag from another application: the raw bytes of each format it offers (QMimeData's own
// setData would parse a link as a URL, which a platform's drop does not).
class ForeignDrag : public QMimeData {
public:
    explicit ForeignDrag(QMap<QString, QByteArray> raw) : raw_(std::move(raw)) {}
    QStringList formats() const override { return raw_.keys(); }
    bool hasFormat(const QString& format) const override { return raw_.contains(format); }

protected:
    QVariant retrieveData(const QString& format, QMetaType) const override {
        return raw_.value(format);
    }

private:
    QMap<QString, QByteArray> raw_;
};

bool waitFor(const std::function<bool()>& condition) {
    for (int waited = 0; !condition() && waited < 10000; waited += 20) QTest::qWait(20);
    return condition();
}

class ReceivingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Localization::install("en");
        delegate.setReaderFactory([this](const QString& link, const QString& sender) {
            opened.append(link + "|" + sender);
            return new ViewController;
        });
        delegate.didFinishLaunchingWithOptions();
    }

    test::TempDir dir;
    test::ManualClock clock;
    HushvaultAppDelegate delegate{dir.paths()};
    QStringList opened;
    const std::string token = GenEncURL("see you", "tea", true);  // holds '+' and '/'
    const QString link = QString::fromStdString("hiddenmsg://" + token);
};

}  // namespace

TEST_F(ReceivingTest, EveryFormOfAMessageOpensItsReaderAndJunkSaysSo) {
    QString escaped = QString::fromStdString(token);
    escaped.replace("+", "%2B");
    const QString bigJunk(100 * 1024, QChar('x'));
    struct Case {
        QString text;
        bool opens;
    } cases[] = {
        {link, true},
        {"  HIDDENMSG://" + QString::fromStdString(token) + "\n", true},
        {QString::fromStdString(token), true},
        {escaped, true},
        {"Secret message " + link, true},  // a whole SMS body
        {"http://links.example.org/s/?m=" + escaped, true},
        {bigJunk + " " + link, true},
        {"hello there", false},
        {"hiddenmsg://%%%zz!!", false},
        {"", false},
        {bigJunk, false},
    };
    for (const Case& c : cases) {
        opened.clear();
        EXPECT_EQ(delegate.readText(c.text), c.opens) << c.text.left(80).toStdString();
        if (c.opens) {
            EXPECT_EQ(opened, QStringList{link + "|"}) << c.text.left(80).toStdString();
            EXPECT_EQ(test::visibleAlert(), nullptr);
        } else {
            EXPECT_TRUE(opened.isEmpty());
            ASSERT_NE(test::visibleAlert(), nullptr);
            EXPECT_EQ(test::visibleAlert()->messageText(), localized("no secret message"));
            test::tapAlertButton(test::visibleAlert(), 0);
        }
    }
}

TEST_F(ReceivingTest, TheMenuTakesTheClipboardOrAsksForAPasteAndDropsOpenToo) {
    QGuiApplication::clipboard()->setText("Secret message " + link);
    test::tap(delegate.window(), "readMessageButton");
    EXPECT_EQ(opened, QStringList{link + "|"});
    delegate.window()->dismissController(delegate.window()->topController(), false);

    // Nothing in the clipboard: a field to paste into.
    opened.clear();
    QGuiApplication::clipboard()->setText(QString(100 * 1024, QChar('y')));
    test::tap(delegate.window(), "readMessageButton");
    AlertView* ask = test::visibleAlert();
    ASSERT_NE(ask, nullptr);
    ASSERT_NE(ask->textField(), nullptr);
    ask->textField()->setText(link);
    test::tapAlertButton(ask, 1);
    EXPECT_EQ(opened, QStringList{link + "|"});

    opened.clear();
    for (const char* format : {"text/uri-list", "text/plain"}) {
        opened.clear();
        const ForeignDrag drag({{format, (link + "\r\n").toUtf8()}});
        EXPECT_TRUE(delegate.window()->takeDrop(&drag));
        EXPECT_EQ(opened, QStringList{link + "|"}) << format;
    }
    const ForeignDrag picture({{"image/png", "PNG"}});
    EXPECT_FALSE(delegate.window()->takeDrop(&picture));
}

TEST_F(ReceivingTest, AReceivedSecretMessageRaisesOneNoticeNamingTheSenderAndOpensOnIt) {
    test::FakeModemManager modem;
    test::FakeNotifications notices;
    HushvaultSqlite(dir.path()).addContracts("Li", "+86 138 0013 8000", "tea", "1");
    IncomingMessageWatcher watcher(modem.connection());
    DesktopNotifier notifier(notices.connection());
    SecretMessageNotices secretNotices(
        dir.paths(), watcher, notifier,
        [this](const QString& link, const QString& sender) { delegate.openMessage(link, sender); });

    modem.receiveSms("+8613800138000", "Secret message " + link);
    modem.receiveSms("+15550109999", "Dinner at eight?");
    modem.receiveSms("+15550109999", "label hiddenmsg://" + QString::fromStdString(token));
    ASSERT_TRUE(waitFor([&] { return notices.notifications().size() == 2; }));
    const auto shown = notices.notifications();
    EXPECT_EQ(shown[0].summary, localized("secret message from").arg("Li"));
    EXPECT_EQ(shown[1].summary, localized("secret message from").arg("+15550109999"));
    for (const auto& notice : shown) {
        EXPECT_TRUE(notice.body.isEmpty());
        for (const QString& text : {notice.summary, notice.body})
            EXPECT_FALSE(text.contains(QString::fromStdString(token).left(8)));
    }
    notices.invokeAction(shown[0].id);
    ASSERT_TRUE(waitFor([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QStringList{link + "|+8613800138000"});
}

TEST(AutostartEntry, WritesTheBackgroundStartOfThisProfileAndRemovesIt) {
    test::TempDir config;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
    const AutostartEntry entry("/opt/hush vault/hushvault", {"--background", "--data-dir=/p 100%"});
    EXPECT_EQ(entry.path(),
              QString::fromStdString(config.path()) + "/autostart/org.hushvault.Hushvault.desktop");
    QString error;
    ASSERT_TRUE(entry.install(&error)) << error.toStdString();
    EXPECT_TRUE(entry.isInstalled());
    QFile file(entry.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(
        text.contains(R"(Exec="/opt/hush vault/hushvault" --background "--data-dir=/p 100%%")"))
        << text.toStdString();
    ASSERT_TRUE(entry.remove(&error));
    EXPECT_FALSE(entry.isInstalled());
    EXPECT_TRUE(entry.remove(&error));  // already gone: nothing to do

    // A line break in the path would add a line of its own to the entry.
    EXPECT_FALSE(AutostartEntry("/tmp/a\nExec=evil", {}).install(&error));
    EXPECT_FALSE(entry.isInstalled());
}
