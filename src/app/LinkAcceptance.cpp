#include "app/LinkAcceptance.h"

#include "crypto/SecretLink.h"

namespace hv {

bool LinkAcceptance::accepts(const QString& link, bool readerOpen) {
    const QString prefix =
        QString::fromLatin1(SECRETOPENURL.data(), qsizetype(SECRETOPENURL.size()));
    if (link.size() < prefix.size() + 4) return false;
    if (link.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) != 0) return false;
    return !readerOpen;
}

}  // namespace hv
