#pragma once

#include "exportimage.h" // Language

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QCheckBox;
class QGraphicsView;
class QWidget;

// The two simulation browsers: per-particle mode check boxes and seven zenith buttons choose
// what the proton (left) and iron (right) panes show. Which box selects which resources, the
// order in which a zenith press tests the boxes, and which boxes a checked box clears are data
// here; the screens of both languages only pass their widgets in.
namespace selection {

enum class Side { Left, Right }; // left pane: proton, right pane: iron
enum class Media { Animation, Picture };

inline constexpr int ZenithCount = 7;
inline constexpr std::array<int, ZenithCount> ZenithAngles{10, 20, 30, 40, 50, 60, 70}; // degrees
// The zenith buttons of both browsers, in the order of ZenithAngles.
inline constexpr std::array<const char *, ZenithCount> ZenithButtons{
    "pushButton",   "pushButton_2", "pushButton_3", "pushButton_4",
    "pushButton_5", "pushButton_6", "pushButton_7"};

// One check box, its pane and its resource for each zenith angle of ZenithAngles.
struct Step {
    const char *checkBox;
    Side side;
    std::array<const char *, ZenithCount> resources;
};

// Checking `checkBox` unchecks `unchecks`, in that order (the other modes of the same particle).
struct Exclusion {
    const char *checkBox;
    std::vector<const char *> unchecks;
};

struct Browser {
    Media media;
    std::vector<Step> steps; // in the order a zenith press tests them
    std::vector<Exclusion> exclusions;
};

const Browser &simulations(); // amplitude-and-time and polarization animations
const Browser &comparison();  // model comparison graphs

// The panes of a screen and, for animations, the hidden views that own their scenes.
struct Panes {
    QGraphicsView *left;
    QGraphicsView *right;
    QGraphicsView *leftOwner = nullptr;
    QGraphicsView *rightOwner = nullptr;
};

// Sets up a browser screen once its form is built: the zenith button whose graphs were shown
// last stays marked, and a hint in the screen's language waits, hidden, over the panes.
void prepare(QWidget *screen, Language language, const Panes &panes);

// What the hint says: which boxes to check before a zenith button can show anything.
QString hintText(Language language);

// The hint label of a prepared screen, or nullptr.
QWidget *hint(QWidget *screen);

// A box of `screen` changed to `state`: a checked box (any state but 0) clears the other modes
// of its particle and hides the hint. Unchecking does nothing, and the panes never change here.
void boxChanged(QWidget *screen, const Browser &browser, const QCheckBox *box, int state);

// A zenith button was pressed: every checked box, in step order, plays the click sound and
// shows its resource for that angle, fitted into its pane, and the angle stays marked. With no
// box checked the panes stay as they are, the mark stays where it was, and the hint shows over
// the panes. Nothing happens for angles not in ZenithAngles.
void zenithPressed(QWidget *screen, const Browser &browser, int zenithDegrees, const Panes &panes);

// The resource a pane shows (recorded on its scene when shown); empty when it shows nothing.
QString shownResource(const QGraphicsView *pane);

// Every resource the browser can show.
QStringList resources(const Browser &browser);

} // namespace selection
