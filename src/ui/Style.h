#pragma once

#include <QColor>
#include <QString>

namespace hv {

// The look shared by every screen: colours and style sheets of a phone application.
namespace Style {

QColor barColor();
QColor groupedBackground();
QColor tint();
QString barTitle();
QString barButton();
QString backButton();
QString primaryButton();
QString tableRow();

}  // namespace Style

}  // namespace hv
