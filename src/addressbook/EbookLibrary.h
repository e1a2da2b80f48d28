// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <libebook-contacts/libebook-contacts.h>

namespace hv {

// The vCard parser of Evolution Data Server, loaded the first time a card is read. Linked
// in, its library brings some forty others with it (the data server's whole stack: mail,
// network, keyring, phone-number parsing) and loading them would cost every start of the
// application more than showing its window, though the address book is only read when the
// user opens it. The functions are those the reader uses, nothing more.
struct EbookLibrary {
    EContact* (*contactNewFromVcard)(const char* vcard);
    GList* (*vcardGetAttributes)(EVCard* vcard);
    EVCardAttribute* (*vcardGetAttribute)(EVCard* vcard, const char* name);
    gpointer (*contactGet)(EContact* contact, EContactField field);
    void (*contactNameFree)(EContactName* name);
    const char* (*attributeGetName)(EVCardAttribute* attribute);
    GList* (*attributeGetValues)(EVCardAttribute* attribute);
    void (*objectUnref)(gpointer object);

    // The library, loaded once for the process (any thread may ask); null when it cannot be
    // loaded, with the reason on stderr.
    static const EbookLibrary* get();
};

}  // namespace hv
