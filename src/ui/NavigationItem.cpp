#include "ui/NavigationItem.h"

namespace hv {

void NavigationItem::setTitle(const QString& title) {
    title_ = title;
    emit changed();
}

void NavigationItem::setLeftBarButtonItem(std::optional<BarButtonItem> item) {
    left_ = std::move(item);
    emit changed();
}

void NavigationItem::setRightBarButtonItem(std::optional<BarButtonItem> item) {
    right_ = std::move(item);
    emit changed();
}

void NavigationItem::setBackBarButtonTitle(const QString& title) {
    backTitle_ = title;
    emit changed();
}

void NavigationItem::setHidesBackButton(bool hides) {
    hidesBack_ = hides;
    emit changed();
}

}  // namespace hv
