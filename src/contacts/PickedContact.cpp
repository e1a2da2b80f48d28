#include "contacts/PickedContact.h"

#include "addressbook/ABContact.h"

namespace hv {

namespace {

Contacts contact(std::string name, const std::string& number) {
    Contacts made;
    made.name = std::move(name);
    made.telePhoneNumber = number;
    made.iphoneFriend = "0";
    return made;
}

}  // namespace

Contacts PickedContact::byCompositeName(const ABContact& person, const std::string& number) {
    return contact(person.compositeName(), number);
}

Contacts PickedContact::byNameParts(const ABContact& person, const std::string& number) {
    // A card may name its person by the display name alone; the contact then gets that
    // rather than no name at all.
    std::string name = person.joinedNameParts();
    return contact(name.empty() ? person.compositeName() : std::move(name), number);
}

}  // namespace hv
