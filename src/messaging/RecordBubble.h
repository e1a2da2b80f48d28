// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QTextOption>

#include "store/HiddenMSG.h"

namespace hv {

// One message record as the records screen draws it, prepared once when the screen is
// shown: its time, its text ("To" and the number, a line break, the contents; or the
// contents alone), which side its bubble sits on, and where everything goes in a row of
// 320 points. The text is measured in 16 points, wrapped within 180.
struct RecordBubble {
    std::int32_t id = 0;
    QString time;
    QString text;
    bool self = false;  // a message read here (no number): a right-hand bubble
    QRect bubble;       // the picture, in row coordinates below the header
    QRect textBox;      // the text, in row coordinates below the header
    int rowHeight = 0;  // the text's height + 60

    static constexpr int kHeaderHeight = 20;
    static constexpr int kRowWidth = 320;

    // toLabel: the localised "To"; notSentLabel: what a message that did not go out (status
    // "4") says after its number.
    static RecordBubble prepare(const HiddenMSG& record, const QString& toLabel,
                                const QString& notSentLabel = {});
    static QFont font();
    // How the text wraps, measured and painted alike: at word boundaries within 180 points,
    // inside a word only when it is longer than that.
    static QTextOption textOption();
    static constexpr int kTextWidth = 180;
};

}  // namespace hv
