// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journeys/Journey.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTextStream>

#include "app/HushvaultAppDelegate.h"
#include "support/UiHelpers.h"
#include "ui/Window.h"

namespace hv::test {

Journey::Journey() = default;

Journey::~Journey() {
    quit();
    for (const auto& [name, value] : environmentBefore_) {
        if (value)
            qputenv(name.constData(), *value);
        else
            qunsetenv(name.constData());
    }
}

void Journey::setEnvironment(const char* name, const QString& value) {
    if (!environmentBefore_.count(name))
        environmentBefore_[name] =
            qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    qputenv(name, value.toUtf8());
}

void Journey::start(const QString& link) {
    quit();
    LaunchOptions options;
    options.paths = StorePaths::forUser(profile_.path());
    options.language = "en";
    options.contactsDirectory = contactsDirectory().toStdString();
    options.sms = sms_;
    options.link = link;
    options.background = background_;
    app_ = std::make_unique<HushvaultApplication>(options);
    QString problems;
    QTextStream err(&problems);
    ASSERT_EQ(app_->start(err), HushvaultApplication::Outcome::Started);
    EXPECT_TRUE(problems.isEmpty()) << problems.toStdString();
    window()->resize(windowSize_);
    if (!background_) activate(windowWidget());
}

void Journey::quit() {
    app_.reset();
    QTest::qWait(0);  // deferred deletions, as when the event loop ends
}

Window* Journey::window() const {
    return app_ && app_->delegate() ? app_->delegate()->window() : nullptr;
}

QWidget* Journey::windowWidget() const {
    return window();
}

void Journey::tap(const QString& objectName) {
    hv::test::tap(windowWidget(), objectName);
    QTest::qWait(0);
}

void Journey::click(const QString& objectName) {
    QWidget* target = nullptr;
    for (QWidget* candidate : windowWidget()->findChildren<QWidget*>(objectName))
        if (candidate->isVisible()) target = candidate;
    ASSERT_NE(target, nullptr) << "no visible " << objectName.toStdString();
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::qWait(0);
}

void Journey::type(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "nothing has the keyboard";
    QTest::keyClicks(focus, text);
}

void Journey::press(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : windowWidget(), Qt::Key(key), modifiers);
    QTest::qWait(0);
}

void Journey::wait(int milliseconds) {
    QTest::qWait(milliseconds);
}

bool Journey::waitUntil(const std::function<bool()>& condition, int milliseconds) {
    for (int waited = 0; !condition() && waited < milliseconds; waited += 50) wait(50);
    return condition();
}

QString Journey::barTitle() const {
    return hv::test::barTitle(windowWidget());
}

}  // namespace hv::test
