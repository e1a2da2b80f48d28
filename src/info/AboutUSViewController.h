// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/ViewController.h"

class QLabel;

namespace hv {

// The about screen: the application's name, makers and a short statement, in Chinese or
// English as the localisation's "International" text says; presented modally in its own
// navigation container, closed with "Back".
class AboutUSViewController : public ViewController {
    Q_OBJECT
public:
    explicit AboutUSViewController(QWidget* parent = nullptr);

    // The line under the version that says how messages leave the phone; none when empty.
    void setSmsServiceLine(const QString& line) { smsServiceLine_ = line; }

    void back();

protected:
    void viewDidLoad() override;

private:
    void buildLayout();

    QLabel* labelchiname = nullptr;
    QLabel* companyName = nullptr;
    QLabel* labelproperty = nullptr;
    QLabel* labelenname = nullptr;
    QLabel* enCompanyName = nullptr;
    QLabel* enProperty = nullptr;
    QLabel* imageView = nullptr;
    QString smsServiceLine_;
};

}  // namespace hv
