// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

#include "addressbook/ABContact.h"
#include "ui/ViewController.h"

namespace hv {

class GroupedTableView;

// One person of the address book: the name over the phone numbers, in the book's order.
// Nothing can be edited and nothing but the numbers is offered; a tap on a number reports
// it, and what follows is the caller's (the screen has no action of its own).
class PersonViewController : public ViewController {
    Q_OBJECT
public:
    using NumberTapped = std::function<void(const ABContact& person, const std::string& number)>;

    explicit PersonViewController(QWidget* parent = nullptr);

    void setDisplayedPerson(const ABContact& person);
    void setNumberTapped(NumberTapped tapped) { numberTapped_ = std::move(tapped); }

protected:
    void viewDidLoad() override;

private:
    void buildRows();

    std::optional<ABContact> person_;
    NumberTapped numberTapped_;
    GroupedTableView* table_ = nullptr;
};

}  // namespace hv
