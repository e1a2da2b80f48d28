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
    const hv::SingleInstance::Role role = instance.claim(args.value(2));
    if (role != hv::SingleInstance::Role::Primary) {
        out << (role == hv::SingleInstance::Role::Forwarded ? "forwarded\n" : "failed\n");
        return role == hv::SingleInstance::Role::Forwarded ? 0 : 1;
    }
    out << "primary\n" << Qt::flush;
    QObject::connect(&instance, &hv::SingleInstance::linkReceived, [&](const QString& link) {
        out << "link:" << link << "\n" << Qt::flush;
        app.quit();
    });
    QTimer::singleShot(20000, &app, &QCoreApplication::quit);
    return app.exec();
}
