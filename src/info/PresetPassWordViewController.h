// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "info/GuideWebViewController.h"

namespace hv {

// The guide on agreeing a preset password with a friend; it titles itself.
class PresetPassWordViewController : public GuideWebViewController {
    Q_OBJECT
public:
    explicit PresetPassWordViewController(QWidget* parent = nullptr);

protected:
    void viewDidLoad() override;
};

}  // namespace hv
