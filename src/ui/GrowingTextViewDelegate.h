// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

namespace hv {

class GrowingTextView;

// A span of the text in UTF-16 code units.
struct TextRange {
    int location = 0;
    int length = 0;
};

// What a GrowingTextView tells and asks the screen around it. Every operation is
// optional: the defaults answer as if it were not there (nullopt: "not implemented").
class GrowingTextViewDelegate {
public:
    virtual ~GrowingTextViewDelegate() = default;

    virtual bool growingTextViewShouldBeginEditing(GrowingTextView*) { return true; }
    virtual bool growingTextViewShouldEndEditing(GrowingTextView*) { return true; }
    virtual void growingTextViewDidBeginEditing(GrowingTextView*) {}
    virtual void growingTextViewDidEndEditing(GrowingTextView*) {}
    // Before the text in range is replaced; its answer decides.
    virtual std::optional<bool> growingTextViewShouldChangeText(GrowingTextView*, TextRange,
                                                                const QString& /*replacement*/) {
        return std::nullopt;
    }
    // A typed line break: true ends editing instead of inserting it.
    virtual std::optional<bool> growingTextViewShouldReturn(GrowingTextView*) {
        return std::nullopt;
    }
    virtual void growingTextViewDidChange(GrowingTextView*) {}
    virtual void growingTextViewWillChangeHeight(GrowingTextView*, int /*height*/) {}
    virtual void growingTextViewDidChangeHeight(GrowingTextView*, int /*height*/) {}
    virtual void growingTextViewDidChangeSelection(GrowingTextView*) {}
};

}  // namespace hv
