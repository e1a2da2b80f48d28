// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ActionSheet.h"

namespace hv {

ActionSheet::ActionSheet(const char* titleKey, const char* cancelKey,
                         const QList<const char*>& otherKeys, Callback callback)
    : AlertView(Layout::Sheet, titleKey, nullptr, cancelKey, otherKeys, std::move(callback)) {
    setObjectName("actionSheet");
}

}  // namespace hv
