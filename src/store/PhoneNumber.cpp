#include "store/PhoneNumber.h"

namespace hv {

namespace {

std::string removeAll(std::string text, std::string_view piece) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found; (found = text.find(piece, start)) != std::string::npos;) {
        out.append(text, start, found - start);
        start = found + piece.size();
    }
    out.append(text, start);
    return out;
}

}  // namespace

std::string normalizePhoneNumber(std::string_view number) {
    return removeAll(removeAll(removeAll(std::string(number), "+86"), " "), "-");
}

}  // namespace hv
