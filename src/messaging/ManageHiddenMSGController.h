// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/StorePaths.h"
#include "ui/ViewController.h"

class QLabel;
class QListView;

namespace hv {

class RecordsDelegate;
class RecordsModel;

// The records of sent and read messages, newest first, each a speech bubble under its
// time: at the left for a message to someone (with "To" and the number), at the right for
// one read here. Records are deleted one by one: with the "Delete" buttons of editing mode
// (the Edit/Done bar button), or from a row's context menu or the Delete key. Everything is
// read again and every bubble prepared each time the screen is shown.
class ManageHiddenMSGController : public ViewController {
    Q_OBJECT
public:
    explicit ManageHiddenMSGController(StorePaths paths, QWidget* parent = nullptr);

    void setEditing(bool editing, bool animated);
    bool isEditing() const;
    // Deletes the record of that row from the store and the list.
    void deleteRecord(int row);

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reload();
    void updateEditButton();
    void showRowMenu(const QPoint& position);
    // "NO Records" covers the top third of the screen.
    void placeNoRecords();

    QListView* tableView = nullptr;
    RecordsModel* model_ = nullptr;
    RecordsDelegate* delegate_ = nullptr;
    QLabel* noRecords_ = nullptr;
    StorePaths paths_;
};

}  // namespace hv
