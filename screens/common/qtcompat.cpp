#include "qtcompat.h"

#include <QLabel>

namespace qtcompat {

QPixmap labelPixmap(const QLabel *label)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return label->pixmap();
#else
    return label->pixmap(Qt::ReturnByValue);
#endif
}

} // namespace qtcompat
