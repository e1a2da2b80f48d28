// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

namespace hv {

// The signals with which a session or a phone shell ends an application (SIGTERM, SIGHUP,
// SIGINT), turned into a Qt signal on the thread that made this object, so that the
// application can keep what the user typed and quit instead of being cut off. One object
// for the process; while it lives it owns those signals' handlers.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    // One of the signals arrived (its number).
    void received(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace hv
