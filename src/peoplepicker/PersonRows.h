// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "addressbook/ABContact.h"
#include "addressbook/NameSections.h"
#include "ui/SectionedListModel.h"

namespace hv {

// How persons of the address book show in a list: the composite name (or "No Name"), and
// by their numbers the image "multinum2.png" with the one number as detail, or
// "multinum3.png" with "..." for several and nothing for none.
namespace PersonRows {

SectionedListModel::Entry entry(const ABContact& person);
// In search results: the composite name alone.
SectionedListModel::Entry searchEntry(const ABContact& person);
std::vector<SectionedListModel::Section> sections(
    const std::vector<NameSection<ABContact>>& people);

}  // namespace PersonRows

}  // namespace hv
