#pragma once

#include <QWidget>

class QListView;

namespace hv {

class SectionIndex;
class SectionedListModel;
class SectionedRowDelegate;

// A list in sections with the index of section titles at its right edge: the kit's table
// for lists of names. A tap, Enter or Return on an entry reports it; when entries may be
// deleted, editing mode shows a "Delete" button on each, and the Delete key and a row's
// context menu delete outside it too. Rows are found by section and place in the section.
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

signals:
    void entrySelected(int section, int entry);
    void deleteRequested(int section, int entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateIndex();
    void reportRow(int row, bool forDelete);
    void showRowMenu(const QPoint& position);

    QListView* list_;
    SectionIndex* index_;
    SectionedRowDelegate* delegate_;
    SectionedListModel* model_ = nullptr;
    bool deletable_ = false;
};

}  // namespace hv
