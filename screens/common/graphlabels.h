#pragma once

#include <QString>
#include <initializer_list>

class QLabel;
class QWidget;

// Pages of fixed graphs: each picture is decoded and scaled once, when the page is built, to the
// size its label has in the page's layout; the labels keep those pixmaps whatever the window
// does afterwards, so nothing is decoded or rescaled while the user scrolls or resizes.
namespace graphs {

struct Placement {
    QLabel *label;
    QString picturePath;
};

// Lays `page` out at its current size (so that every label has the size its layout gives it
// before the screen is first shown), then, in the order given, scales each picture to fit its
// label keeping the aspect ratio and sets it with the picture's transparency mask.
void placeOnce(QWidget *page, std::initializer_list<Placement> placements);

// The longitudinal-profile page shared by both languages: its fourteen labels (found by object
// name in `page`) and their pictures, placed with placeOnce in label order.
void placeProfilePage(QWidget *page);

} // namespace graphs
