// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/AlertView.h"

namespace hv {

// A choice of actions that rises from the bottom of the window: the buttons stacked, the
// other buttons first (indexes 0, 1, ...) and the cancel button last (the next index). In
// everything else it is an alert: it never blocks, it has the keyboard while shown
// (Escape cancels), and it reports the tapped button's index to the callback.
class ActionSheet : public AlertView {
    Q_OBJECT
public:
    ActionSheet(const char* titleKey, const char* cancelKey, const QList<const char*>& otherKeys,
                Callback callback = {});
};

}  // namespace hv
