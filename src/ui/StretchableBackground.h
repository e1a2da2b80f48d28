// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QObject>
#include <QString>

class QWidget;

namespace hv {

// A picture painted behind a widget's own drawing (a button's title, a field's text) and
// stretched to it by its caps, sharp at every density: the picture for the widget's state,
// pressed or disabled when it has one for that. A style sheet's border image cannot do this:
// its cuts are in the pixels of one copy of the picture.
class StretchableBackground : public QObject {
    Q_OBJECT
public:
    struct Pictures {
        const char* normal;
        const char* pressed;   // may be null: the normal one
        const char* disabled;  // may be null: the normal one
        QMargins caps;         // in points
    };

    // Gives the widget that background, or takes it away (null normal picture); the
    // background goes with the widget.
    static void set(QWidget* widget, const Pictures& pictures);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit StretchableBackground(QWidget* widget);

    Pictures pictures_{};
};

}  // namespace hv
