#pragma once

#include <QPixmap>

class QLabel;

// Toolkit calls whose form differs between Qt 5.15 and Qt 6, in one place.
namespace qtcompat {

// The picture a label shows (a null pixmap when it shows none). Qt 5.15 deprecates the
// pointer form of QLabel::pixmap(); Qt 6 only has the by-value form.
QPixmap labelPixmap(const QLabel *label);

} // namespace qtcompat
