#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace hv {

// The look shared by every screen: colours and style sheets of a phone application.
namespace Style {

QColor barColor();
QColor groupedBackground();
QString barTitle();
QString barButton();
QString backButton();

// Paints the widget's background in the grouped-table colour of settings-style screens.
void useGroupedBackground(QWidget* widget);

}  // namespace Style

}  // namespace hv
