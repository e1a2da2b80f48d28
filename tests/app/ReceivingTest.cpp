// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Secret messages that reach Hushvault without a tappable link: pasted, dropped or taken
// from the clipboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

#include "app/HushvaultAppDelegate.h"
#include "app/HushvaultViewController.h"
#include "crypto/SecretToken.h"
#include "platform/AutostartEntry.h"
#include "platform/Localization.h"
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
    // Every form a token travels in is the link reader's to know; here: one opens, junk says so.
    QString escaped = QString::fromStdString(token);
    escaped.replace("+", "%2B");
    const QString bigJunk(100 * 1024, QChar('x'));
    for (const auto& [text, opens] : std::vector<std::pair<QString, bool>>{
             {link, true},
             {"http://links.example.org/s/?m=" + escaped, true},
             {bigJunk + " " + link, true},
             {"hello there", false},
             {bigJunk, false},
         }) {
        opened.clear();
        EXPECT_EQ(delegate.readText(text), opens) << text.left(80).toStdString();
        if (opens) {
            EXPECT_EQ(opened, QStringList{link + "|"}) << text.left(80).toStdString();
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

    for (const char* format : {"text/uri-list", "text/plain"}) {
        opened.clear();
        const ForeignDrag drag({{format, (link + "\r\n").toUtf8()}});
        EXPECT_TRUE(delegate.window()->takeDrop(&drag));
        EXPECT_EQ(opened, QStringList{link + "|"}) << format;
    }
    const ForeignDrag picture({{"image/png", "PNG"}});
    EXPECT_FALSE(delegate.window()->takeDrop(&picture));
}

TEST(AutostartEntry, WritesTheBackgroundStartOfThisProfileAndRemovesIt) {
    test::TempDir config;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
    const AutostartEntry entry("/opt/hush vault/hushvault", {"--background", "--data-dir=/p 100%"});
    QString error;
    ASSERT_TRUE(entry.install(&error)) << error.toStdString();
    EXPECT_TRUE(entry.isInstalled());
    const QString text = QString::fromStdString(test::readFile(entry.path().toStdString()));
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
