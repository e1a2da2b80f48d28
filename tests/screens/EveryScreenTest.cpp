// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every screen and alert of the application, walked through as the screenshots are, at
// phone and desktop sizes: nothing outside its screen, no two controls over each other,
// no text cut, the field being typed into in sight when the keyboard takes half the
// window, and every control named for a screen reader.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>

#include "ContactTour.h"
#include "ScreenTour.h"
#include "addressbook/VCardAddressBook.h"
#include "support/TempDir.h"
#include "ui/AlertView.h"
#include "ui/TableRow.h"
#include "ui/Window.h"

namespace {

using hv::Window;

const QList<QSize> kSizes{{320, 480}, {360, 720}, {412, 915}, {720, 360}, {1024, 768}};

QString describe(const QWidget* widget) {
    return QString("%1#%2").arg(widget->metaObject()->className(), widget->objectName());
}

// What the user looks at: the top layer of the window (an alert, a presented screen, the
// navigation).
QWidget* topLayer(Window* window) {
    auto* stage = window->findChild<QWidget*>("stage");
    const QObjectList layers = stage ? stage->children() : QObjectList{};
    for (qsizetype i = layers.size() - 1; i >= 0; --i)
        if (auto* layer = qobject_cast<QWidget*>(layers[i]); layer && layer->isVisible())
            return layer;
    return window;
}

QList<QWidget*> shown(QWidget* layer) {
    QList<QWidget*> widgets;
    for (QWidget* widget : layer->findChildren<QWidget*>())
        if (widget->isVisible() && !widget->size().isEmpty()) widgets.append(widget);
    return widgets;
}

// The part of the widget the window shows, in window coordinates: cut by every ancestor.
QRect visibleRect(const QWidget* widget, const QWidget* window) {
    QRect rect(widget->mapTo(window, QPoint()), widget->size());
    for (const QWidget* p = widget->parentWidget(); p && p != window; p = p->parentWidget())
        rect &= QRect(p->mapTo(window, QPoint()), p->size());
    return rect & window->rect();
}

bool isControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const hv::TableRow*>(widget);
}

bool textIsCut(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return false;
        const QRect room = label->contentsRect();
        if (label->wordWrap()) return label->heightForWidth(room.width()) > room.height() + 1;
        return label->fontMetrics().horizontalAdvance(label->text()) > room.width() + 1;
    }
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    const auto* tool = qobject_cast<const QToolButton*>(widget);
    if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly) return false;  // a sign alone
    // A button's own margins take a few points of its width.
    return button && !button->text().isEmpty() &&
           button->fontMetrics().horizontalAdvance(button->text()) > button->width() - 10;
}

// Children inside their parents, controls apart, texts whole.
void checkGeometry(Window* window, const QString& stop, QStringList& problems) {
    QList<QWidget*> controls;
    for (QWidget* widget : shown(topLayer(window))) {
        const QWidget* parent = widget->parentWidget();
        const auto* area = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
        if (!(area && area->viewport() == parent) &&
            !parent->rect().adjusted(-1, -1, 1, 1).contains(widget->geometry()))
            problems
                << QString("%1: %2 lies outside %3").arg(stop, describe(widget), describe(parent));
        if (textIsCut(widget))
            problems << QString("%1: %2 cuts its text").arg(stop, describe(widget));
        if (isControl(widget) && !visibleRect(widget, window).isEmpty()) controls.append(widget);
    }
    for (qsizetype i = 0; i < controls.size(); ++i)
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QWidget *a = controls[i], *b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
            const QRect both = visibleRect(a, window) & visibleRect(b, window);
            if (both.width() > 1 && both.height() > 1)
                problems << QString("%1: %2 and %3 overlap").arg(stop, describe(a), describe(b));
        }
}

// Each field, given the keyboard, stays in sight when the window shrinks to 360 x 400.
void checkFieldsInSight(Window* window, const QString& stop, QStringList& problems) {
    const QSize before = window->size();
    for (QWidget* widget : shown(topLayer(window))) {
        const auto* edit = qobject_cast<QTextEdit*>(widget);
        if (!qobject_cast<QLineEdit*>(widget) && !(edit && !edit->isReadOnly())) continue;
        if (!widget->isEnabled() || widget->focusPolicy() == Qt::NoFocus) continue;
        widget->setFocus();
        window->resize(360, 400);
        QApplication::processEvents();
        QApplication::processEvents();
        const QRect seen = visibleRect(widget, window);
        if (seen.height() < qMin(widget->height(), 20) || seen.width() < widget->width() / 2)
            problems
                << QString("%1: %2 is out of sight above the keyboard").arg(stop, describe(widget));
        window->resize(before);
        QApplication::processEvents();
    }
}

// Whatever can be focused or pressed has a name and a role a screen reader can say.
void checkAccessible(QAccessibleInterface* node, const QString& stop, QStringList& problems) {
    // Items a list held before it changed are no longer shown to assistive technology.
    if (!node || !node->isValid() || node->state().invisible) return;
    const auto* widget = qobject_cast<const QWidget*>(node->object());
    const QAccessible::Role role = node->role();
    if (role == QAccessible::ScrollBar) return;
    const QStringList actions =
        node->actionInterface() ? node->actionInterface()->actionNames() : QStringList();
    if (node->state().focusable || !actions.isEmpty()) {
        const QString what =
            widget ? describe(widget) : QString("an item of role %1").arg(int(role));
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            problems << QString("%1: %2 has no name").arg(stop, what);
        if (role == QAccessible::NoRole || role == QAccessible::Client ||
            role == QAccessible::Pane || role == QAccessible::Border)
            problems << QString("%1: %2 has no role").arg(stop, what);
    }
    if (const auto* row = qobject_cast<const hv::TableRow*>(node->object());
        row && !row->holdsControl() && !actions.contains(QAccessibleActionInterface::pressAction()))
        problems << QString("%1: row %2 cannot be pressed").arg(stop, row->title());
    if (qobject_cast<const hv::AlertView*>(node->object()) && role != QAccessible::AlertMessage)
        problems << QString("%1: an alert is not announced as one").arg(stop);
    for (int i = 0; i < node->childCount(); ++i) checkAccessible(node->child(i), stop, problems);
}

class EveryScreenTest : public ::testing::Test {
protected:
    EveryScreenTest() { writeSampleAddressBook(QString::fromStdString(scratch_.file("vcards"))); }

    // The walk in a language at a size: a failure listing what `check` found at its stops.
    void walk(const QString& language, const QSize& size,
              const std::function<void(Window*, const QString&, QStringList&)>& check) {
        const hv::VCardAddressBook book(scratch_.file("vcards"));
        QStringList problems;
        const QString where =
            QString(" (%1, %2x%3)").arg(language).arg(size.width()).arg(size.height());
        EXPECT_TRUE(ScreenTour::run(language, size, scratch_.paths(), book,
                                    [&](Window* window, const QString& stop) {
                                        QApplication::processEvents();
                                        check(window, stop + where, problems);
                                        return true;
                                    }));
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    }

    hv::test::TempDir scratch_;
};

TEST_F(EveryScreenTest, LaysOutAtPhoneAndDesktopSizesWithoutOverlapOrCutText) {
    for (const QSize& size : kSizes) walk("en", size, checkGeometry);
    for (const char* language : {"zh_CN", "zh_TW"}) walk(language, {320, 480}, checkGeometry);
}

TEST_F(EveryScreenTest, KeepsTheFieldBeingTypedIntoInSightWhenTheKeyboardShrinksTheWindow) {
    walk("en", {360, 720}, checkFieldsInSight);
}

TEST_F(EveryScreenTest, NamesEveryControlAndGivesItARoleForScreenReaders) {
    walk("en", {320, 480}, [](Window* window, const QString& stop, QStringList& found) {
        checkAccessible(QAccessible::queryAccessibleInterface(topLayer(window)), stop, found);
    });
}

}  // namespace
