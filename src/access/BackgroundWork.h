// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QThread>
#include <functional>
#include <memory>

namespace hv {

// Runs `work` on a thread of its own and then `done` with its result on the receiver's
// thread, unless the receiver has gone by then. For the half-second key derivations of
// backups, which the UI thread must not wait for.
template <class Result>
void runInBackground(QObject* receiver, std::function<Result()> work,
                     std::function<void(Result)> done) {
    auto result = std::make_shared<Result>();
    QThread* thread = QThread::create([result, work = std::move(work)] { *result = work(); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, receiver,
                     [result, done = std::move(done)] { done(std::move(*result)); });
    thread->start();
}

}  // namespace hv
