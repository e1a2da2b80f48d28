// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/LocalizedCompare.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace hv {

struct LocalizedCompare::Collation {
    std::unique_ptr<icu::Collator> collator;
};

namespace {

icu::UnicodeString unicode(std::string_view text) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), int32_t(text.size())));
}

}  // namespace

LocalizedCompare::LocalizedCompare(const std::string& locale)
    : collation_(std::make_unique<Collation>()) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale where =
        locale.empty() ? icu::Locale::getDefault() : icu::Locale::createFromName(locale.c_str());
    // The C locale ("en_US_POSIX" to ICU) sorts in code order, every capital before every
    // small letter: not how anybody sorts names.
    if (std::string_view(where.getVariant()) == "POSIX") where = icu::Locale::getEnglish();
    collation_->collator.reset(icu::Collator::createInstance(where, status));
    if (U_FAILURE(status) || !collation_->collator) {
        status = U_ZERO_ERROR;
        collation_->collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (!collation_->collator) return;
    collation_->collator->setStrength(icu::Collator::SECONDARY);
    // Chinese collation puts Han before Latin; names then sorted before "A" and all fell
    // under "#". Scripts keep their common order (Latin, then Han), each sorted the
    // language's way (Han by pinyin in Chinese).
    const int32_t none = UCOL_REORDER_CODE_NONE;
    status = U_ZERO_ERROR;
    collation_->collator->setReorderCodes(&none, 1, status);
}

LocalizedCompare::~LocalizedCompare() = default;

int LocalizedCompare::compare(std::string_view a, std::string_view b) const {
    if (!collation_->collator) return a.compare(b);
    UErrorCode status = U_ZERO_ERROR;
    return collation_->collator->compareUTF8(icu::StringPiece(a.data(), int32_t(a.size())),
                                             icu::StringPiece(b.data(), int32_t(b.size())), status);
}

std::string LocalizedCompare::sortKey(std::string_view text) const {
    if (!collation_->collator) return std::string(text);
    const icu::UnicodeString source = unicode(text);
    std::string key(64, '\0');
    int32_t length = collation_->collator->getSortKey(
        source, reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
    if (length > int32_t(key.size())) {
        key.resize(std::size_t(length));
        length = collation_->collator->getSortKey(source, reinterpret_cast<uint8_t*>(key.data()),
                                                  length);
    }
    key.resize(length > 0 ? std::size_t(length - 1) : 0);  // without the closing zero
    return key;
}

}  // namespace hv
