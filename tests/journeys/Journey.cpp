// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "journeys/Journey.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTextStream>

namespace hv::test {

int run(const QString& program, const QStringList& arguments, QString* output,
        const QStringList& environment) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (const QString& variable : environment)
        env.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    for (int waited = 0; process.state() != QProcess::NotRunning && waited < 30000; waited += 20)
        QTest::qWait(20);
    *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

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
    if (!background_) activate(window());
}

void Journey::quit() {
    app_.reset();
    QTest::qWait(0);  // deferred deletions, as when the event loop ends
}

Window* Journey::window() const {
    return app_ && app_->delegate() ? app_->delegate()->window() : nullptr;
}

void Journey::tap(const QString& objectName) {
    hv::test::tap(window(), objectName);
    QTest::qWait(0);
}

void Journey::click(const QString& objectName) {
    QWidget* target = nullptr;
    for (QWidget* candidate : window()->findChildren<QWidget*>(objectName))
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
    QTest::keyClick(focus ? focus : window(), Qt::Key(key), modifiers);
    QTest::qWait(0);
}

bool Journey::waitUntil(const std::function<bool()>& condition, int milliseconds) {
    for (int waited = 0; !condition() && waited < milliseconds; waited += 50) wait(50);
    return condition();
}

}  // namespace hv::test
