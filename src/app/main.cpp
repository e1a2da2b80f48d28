#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

#include "app/AppScreens.h"
#include "app/HushvaultAppDelegate.h"
#include "app/LaunchOptions.h"
#include "platform/Localization.h"
#include "platform/SingleInstance.h"
#include "platform/TelephonyCenter.h"
#include "sms/OutboxSmsService.h"
#include "store/StorePaths.h"
#include "ui/Window.h"

namespace {

// Without any display QApplication would abort with a cryptic message.
bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!hasDisplay()) {
        std::fputs(
            "hushvault: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "Start it from a desktop session, or run it headless with "
            "QT_QPA_PLATFORM=offscreen.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("hushvault");
    QApplication::setDesktopFileName("hushvault");
    QTextStream err(stderr);

    QString error;
    const auto options = hv::LaunchOptions::parse(QApplication::arguments(), &error);
    if (!options) {
        err << "hushvault: " << error << "\n" << hv::LaunchOptions::usage();
        return 2;
    }
    if (options->help) {
        QTextStream(stdout) << hv::LaunchOptions::usage();
        return 0;
    }
    if (!options->dataDirectory.isEmpty())
        hv::StorePaths::setDocumentsDirectory(options->dataDirectory.toStdString());

    hv::SingleInstance instance(QString::fromStdString(hv::StorePaths::documentsDirectory()));
    switch (instance.claim(options->link)) {
        case hv::SingleInstance::Role::Forwarded:
            return 0;
        case hv::SingleInstance::Role::Failed:
            err << "hushvault: another Hushvault seems to run but did not answer; starting "
                   "anyway\n";
            break;
        case hv::SingleInstance::Role::Primary:
            break;
    }

    hv::Localization::install(hv::Localization::chooseLanguage(options->language));
    hv::OutboxSmsService sms(hv::StorePaths::documentsDirectory());
    hv::TelephonyCenter::defaultCenter().connectService(sms);
    hv::HushvaultAppDelegate delegate(hv::makeMenuScreens(&sms));
    delegate.didFinishLaunchingWithOptions();
    QObject::connect(&instance, &hv::SingleInstance::linkReceived, &delegate,
                     [&delegate](const QString& link) {
                         delegate.bringToFront();
                         delegate.openURL(link);
                     });
    if (!options->link.isEmpty()) delegate.openURL(options->link);
    return app.exec();
}
