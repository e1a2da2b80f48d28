// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "ScreenTour.h"

namespace hv {
class AddressBook;
class HushvaultAppDelegate;
class StorePaths;
}  // namespace hv

// A small address book of vCards written into the folder, in both scripts.
void writeSampleAddressBook(const QString& folder);

// The contact list in both roles (with contacts, empty, searching, editing, the action
// sheet, the address book), the editor in both modes, the picker and the person view.
bool visitContacts(hv::HushvaultAppDelegate& delegate, const hv::AddressBook& book,
                   const QString& language, const hv::StorePaths& paths,
                   const ScreenTour::Visit& visit);
