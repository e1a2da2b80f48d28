// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "addressbook/EbookLibrary.h"

#include <dlfcn.h>

#include <cstdio>
#include <mutex>

namespace hv {

namespace {

template <class Function>
bool resolve(void* library, const char* name, Function*& function) {
    function = reinterpret_cast<Function*>(dlsym(library, name));
    if (!function)
        std::fprintf(stderr, "hushvault: %s is missing from %s\n", name, HV_EBOOK_LIBRARY);
    return function != nullptr;
}

}  // namespace

const EbookLibrary* EbookLibrary::get() {
    static EbookLibrary functions;
    static const EbookLibrary* loaded = nullptr;
    static std::once_flag once;
    std::call_once(once, [] {
        // Never closed: the parser's types stay registered with GObject for the process.
        void* library = dlopen(HV_EBOOK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            std::fprintf(stderr, "hushvault: the address book cannot be read: %s\n", dlerror());
            return;
        }
        EbookLibrary& f = functions;
        if (resolve(library, "e_contact_new_from_vcard", f.contactNewFromVcard) &&
            resolve(library, "e_vcard_get_attributes", f.vcardGetAttributes) &&
            resolve(library, "e_vcard_get_attribute", f.vcardGetAttribute) &&
            resolve(library, "e_contact_get", f.contactGet) &&
            resolve(library, "e_contact_name_free", f.contactNameFree) &&
            resolve(library, "e_vcard_attribute_get_name", f.attributeGetName) &&
            resolve(library, "e_vcard_attribute_get_values", f.attributeGetValues) &&
            resolve(library, "g_object_unref", f.objectUnref))
            loaded = &functions;
    });
    return loaded;
}

}  // namespace hv
