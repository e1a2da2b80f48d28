// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "info/GuideWebViewController.h"

namespace hv {

// The usage guide: how to send, read and protect secret messages. The main menu titles it.
class USingHelpWebViewController : public GuideWebViewController {
    Q_OBJECT
public:
    explicit USingHelpWebViewController(QWidget* parent = nullptr);
};

}  // namespace hv
