// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QHBoxLayout;

namespace hv {

// One touch-sized row of a table: a title, an optional subtitle under it, a detail text
// on the right and an accessory (disclosure arrow, check mark, detail button or any
// widget). A tap anywhere outside the accessory reports `tapped`; so do Enter and Space
// once Tab has brought the keyboard to the row. A row holding a widget of the caller's
// (a text field, a switch) leaves the keyboard to that widget.
class TableRow : public QFrame {
    Q_OBJECT
public:
    enum class Accessory { None, Disclosure, Checkmark, DetailButton };

    explicit TableRow(QWidget* parent = nullptr);

    void setTitle(const QString& text);
    // A long title wraps onto more lines instead of being cut (the row grows with it).
    void setTitleWraps(bool wraps);
    QString title() const;
    // Wraps to at most `maxLines` lines.
    void setSubtitle(const QString& text, int maxLines = 1);
    QString subtitle() const;
    // The font sizes of title and subtitle, in points (16 and 12 by default).
    void setTextSizes(int titlePixels, int subtitlePixels);
    void setDetail(const QString& text);
    QString detail() const;

    void setAccessory(Accessory accessory);
    Accessory accessory() const { return accessory_; }
    // Makes the row one of a set of choices, shown chosen by its check mark.
    void setChoice(bool chosen);
    bool isChoice() const { return choice_; }
    // Whether the accessory (the detail button) can be tapped; a disabled one looks so.
    void setAccessoryEnabled(bool enabled);
    // What a screen reader calls the accessory (the detail button says only "i").
    void setAccessoryAccessibleName(const QString& name);

    // Normal: a dark title. Label: the grey, smaller title of a form row beside its field.
    // Action and Destructive: a row that is a button (blue), one that deletes (red).
    enum class TitleStyle { Normal, Label, Action, Destructive };
    void setTitleStyle(TitleStyle style);
    // Replaces the accessory with a widget of the caller's (ownership taken).
    void setAccessoryWidget(QWidget* widget);
    void setRowHeight(int height);
    // Puts a widget of the caller's (a text field) between the title and the detail.
    void setContentWidget(QWidget* widget);
    // Fixes the title's width, so that content widgets of several rows line up.
    void setTitleWidth(int width);
    // Whether the row holds a widget of the caller's (a field, a switch) that takes the
    // keyboard and the taps itself.
    bool holdsControl() const { return !control_.isNull(); }

    // Taps the row, as a finger or assistive technology does.
    void tap() { emit tapped(); }

signals:
    void tapped();
    void accessoryTapped();

protected:
    void mouseReleaseEvent(class QMouseEvent* event) override;
    void keyPressEvent(class QKeyEvent* event) override;

private:
    void placeAccessory(QWidget* widget);
    void limitSubtitle();
    // The caller's widget is named after the row, for a screen reader, unless named already.
    void nameControl();

    QLabel* title_;
    QLabel* subtitle_;
    QLabel* detail_;
    QWidget* accessoryWidget_ = nullptr;
    QHBoxLayout* layout_;
    QPointer<QWidget> control_;
    Accessory accessory_ = Accessory::None;
    bool choice_ = false;
    int subtitleLines_ = 1;
};

}  // namespace hv
