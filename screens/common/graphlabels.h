#pragma once

class QWidget;

// Pages of fixed graphs: each picture is decoded and scaled once, when the page is built, to the
// size its label has in the page's layout; the labels keep those pixmaps whatever the window
// does afterwards, so nothing is decoded or rescaled while the user scrolls or resizes.
namespace graphs {

// The longitudinal-profile page shared by both languages: lays `page` out, then decodes its
// fourteen pictures on all cores at once, scales each to fit its label (found by object name)
// keeping the aspect ratio, and sets them in label order, each with its transparency mask.
void placeProfilePage(QWidget *page);

} // namespace graphs
