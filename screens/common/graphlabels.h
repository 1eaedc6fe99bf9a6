#pragma once

class QWidget;

// Pages of fixed graphs: each picture is decoded and scaled once, when the page is built, to the
// size its label has in the page's layout; the labels keep those pixmaps whatever the window
// does afterwards, so nothing is decoded or rescaled while the user scrolls or resizes.
namespace graphs {

// The longitudinal-profile page shared by both languages: lays `page` out and scales each of
// its fourteen pictures to fit its label (found by object name) keeping the aspect ratio, with
// the picture's transparency mask. The pictures of the page's first view are set before this
// returns; the others are decoded at once on helper threads and set as they become ready.
void placeProfilePage(QWidget *page);

// Whether every picture of a page placed by placeProfilePage has been set.
bool complete(QWidget *page);

} // namespace graphs
