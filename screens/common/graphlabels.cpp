#include "graphlabels.h"

#include <QBitmap>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QWidget>

namespace graphs {

void placeOnce(QWidget *page, std::initializer_list<Placement> placements)
{
    // The labels must have their laid-out sizes before the screen is first shown. Putting the
    // page into its scroll area already lays it out at its minimum size; activating the layout
    // here keeps that true for a page that is not (yet) inside one.
    if (QLayout *layout = page->layout())
        layout->activate();
    for (const Placement &placement : placements) {
        const QPixmap picture(placement.picturePath);
        placement.label->setPixmap(
            picture.scaled(placement.label->size(), Qt::KeepAspectRatio, Qt::FastTransformation));
        placement.label->setMask(picture.mask());
    }
}

} // namespace graphs
