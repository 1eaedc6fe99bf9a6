#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QStringList>

class QLabel;
class QMouseEvent;

// The places where Qt 5.15 and Qt 6 differ in what this program uses, each behind one small
// function so that the rest of the tree is written once for both (the build picks the toolkit
// with -DSHOWERSCOPE_QT_MAJOR). New code that needs one of these calls it instead of the
// toolkit; a new difference gets a function here, not a version test at the call site.
//
// Differences that need no function because one spelling works on both:
//   screen geometry   widget->screen()->availableGeometry()   (not QDesktopWidget)
//   patterns          QRegularExpression                        (not QRegExp)
//   event positions   event->position(), globalPosition()       (not pos(), globalPos())
//   wheel steps       QWheelEvent::angleDelta()                 (not delta())
//   variant types     QVariant::userType() == QMetaType::...    (not QVariant::type())
//   big resources     qt_add_big_resources in CMake             (not qt5_add_big_resources)
namespace qtcompat {

// The text of a file's bytes, decoded by its byte-order mark: UTF-8, UTF-16 LE or UTF-16 BE;
// bytes without a mark are UTF-8. The mark itself is dropped. (Qt 5 decodes by mark through
// QTextCodec, which Qt 6's core no longer has; the rules are the same, written once here.)
QString decodeText(const QByteArray &bytes);

// The picture a label shows, or a null pixmap. (Qt 5.15 deprecates the pointer form of
// QLabel::pixmap(); Qt 6 returns the picture by value.)
QPixmap labelPixmap(const QLabel *label);

// Where the system keeps the toolkit's translation catalogues. (QLibraryInfo::path in Qt 6,
// QLibraryInfo::location in Qt 5.)
QString translationsFolder();

// The font families installed. (A static function in Qt 6, a member of a QFontDatabase object
// in Qt 5.)
QStringList fontFamilies();

// Scales windows by the screen's device pixel ratio and draws pictures at full resolution on
// high-density screens, as Qt 6 always does; Qt 5 needs the attributes set before the
// application object exists. Call it first thing in main(). (Qt 5 rounds the factor to a
// whole number, Qt 6 passes 1.25 or 1.5 through.) On an X display whose desktop set no
// Xft.dpi, Qt 6 is made to scale by the X server's density, rounded, as Qt 5 does; call
// forgetOwnScaling() once the application object exists.
void enableHighDpiScaling();
void forgetOwnScaling();

// Where a mouse event happened, in the receiving widget's coordinates. (Qt 5.15's QMouseEvent
// has localPos(), Qt 6 position().)
QPointF mousePosition(const QMouseEvent *event);

} // namespace qtcompat
