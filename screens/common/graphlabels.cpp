#include "graphlabels.h"

#include <QBitmap>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QWidget>

namespace graphs {

void placeProfilePage(QWidget *page)
{
    static const struct {
        const char *label;
        const char *picture;
    } pictures[] = {
        {"label_4", ":/Proton&Fier_scala_logaritmica.png"},
        {"label_5", ":/Profile_electrons_(proton-E19).png"},
        {"label_6", ":/Profile_muons_(proton-E19).png"},
        {"label_7", ":/Profile_hadrons_(proton-E19).png"},
        {"label_8", ":/Muons_distribution(proton_Iron-E19-E20-E21).png"},
        {"label_9", ":/Electrons_distribution(proton_Iron-E19-E20-E21).png"},
        {"label_10", ":/Hadrons_distribution(proton_Iron-E19-E20-E21).png"},
        {"label_11", ":/Profile_electrons_(proton-E19-zenith-dependency).png"},
        {"label_12", ":/Profile_electrons_(iron-E19-zenith-dependency).png"},
        {"label_13", ":/Profile_Hadrons_(proton-E19-zenith-dependency).png"},
        {"label_14", ":/Profile_hadrons_(iron-E19-zenith-dependency).png"},
        {"label_15", ":/Profile_Muons_(proton-E19-zenith-dependency).png"},
        {"label_16", ":/Profile_muons_(iron-E19-zenith-dependency).png"},
        {"label_17", ":/comp_fier_proton_ne_nmu-1.png"},
    };
    // The labels must have their laid-out sizes before the screen is first shown. Putting the
    // page into its scroll area already lays it out at its minimum size; activating the layout
    // here keeps that true for a page that is not (yet) inside one.
    if (QLayout *layout = page->layout())
        layout->activate();
    for (const auto &entry : pictures) {
        auto *label = page->findChild<QLabel *>(QString::fromLatin1(entry.label));
        if (!label)
            continue;
        const QPixmap picture(QString::fromUtf8(entry.picture));
        label->setPixmap(picture.scaled(label->size(), Qt::KeepAspectRatio, Qt::FastTransformation));
        label->setMask(picture.mask());
    }
}

} // namespace graphs
