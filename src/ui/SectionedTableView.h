// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListView;

namespace hv {

class SectionIndex;
class SectionedListModel;
class SectionedRowDelegate;

// A list in sections with the index of section titles at its right edge: the kit's table
// for lists of names. A tap, Enter or Return on an entry reports it; when entries may be
// deleted, editing mode shows a "Delete" button on each, and a row's context menu deletes
// outside it too. The Delete key on a selected entry is only reported (deleteKeyPressed):
// one key is too easily pressed to delete anything without a question. Rows are found by
// section and place in the section.
class SectionedTableView : public QWidget {
    Q_OBJECT
public:
    explicit SectionedTableView(QWidget* parent = nullptr);

    // Not owned.
    void setModel(SectionedListModel* model);
    SectionedListModel* model() const { return model_; }
    QListView* listView() const { return list_; }
    SectionIndex* sectionIndex() const { return index_; }

    void setDeletable(bool deletable);
    void setEditing(bool editing);
    bool isEditing() const;

    void scrollToSection(int section);
    void clearSelection();
    // Letters typed while the list has the keyboard go to this field (a search field;
    // not owned), rather than moving an unseen place in the list.
    void setTypingTarget(QLineEdit* field);

signals:
    void entrySelected(int section, int entry);
    void deleteRequested(int section, int entry);
    void deleteKeyPressed(int section, int entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateIndex();
    // The list, and the index in a strip of its own at the right when it shows.
    void layOutList();
    enum class Report { Selected, Delete, DeleteKey };
    void reportRow(int row, Report report);
    void showRowMenu(const QPoint& position);

    QListView* list_;
    SectionIndex* index_;
    SectionedRowDelegate* delegate_;
    SectionedListModel* model_ = nullptr;
    bool deletable_ = false;
    QPointer<QLineEdit> typingTarget_;
};

}  // namespace hv
