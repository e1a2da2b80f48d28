// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// hv_single_instance_probe DOCUMENTS_DIR [LINK]: claims the single instance; prints
// "primary" and then every link it receives (exiting after the first), or "forwarded".
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include "platform/SingleInstance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    hv::SingleInstance instance(args.value(1));
    QTextStream out(stdout);
    switch (instance.claim(args.value(2))) {
        case hv::SingleInstance::Role::Forwarded:
            out << "forwarded\n";
            return 0;
        case hv::SingleInstance::Role::Failed:
            out << "failed\n";
            return 1;
        case hv::SingleInstance::Role::Primary:
            break;
    }
    out << "primary\n" << Qt::flush;
    QObject::connect(&instance, &hv::SingleInstance::linkReceived, [&](const QString& link) {
        out << "link:" << link << "\n" << Qt::flush;
        app.quit();
    });
    QTimer::singleShot(20000, &app, &QCoreApplication::quit);
    return app.exec();
}
