#include "addressbook/ABContact.h"

namespace hv {

std::string ABContact::joinedNameParts() const {
    return record_.firstName + record_.middleName + record_.lastName;
}

}  // namespace hv
