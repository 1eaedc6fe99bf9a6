#pragma once

#include "exportimage.h" // Language

#include <QString>

class QGraphicsView;
class QWidget;

// What assistive technology (a screen reader, a magnifier, a switch device) learns about a
// screen: every control named in the screen's language, every picture, graph and animation
// described in words with its main numbers, topic and zenith buttons exposed as buttons that
// stay pressed, and the screen's language.
//
// A screen calls prepare() once at the end of its constructor. Names come from captions, with
// the title of the group box a caption repeats in ("Proton: amplitude and time"); zenith
// buttons are "Zenith angle 40°"; text panes, picture panes and scroll areas are named by what
// they hold, from a small table of object names where a caption cannot say it. The panes
// (panes.*) describe each picture as they show it; prepare() describes what is already shown.
//
// The descriptions are made by the content program beside each figure, from the numbers it
// draws, in both languages (screens/common/picture_descriptions.json, in the resources under
// ":/a11y/").
namespace access {

void prepare(QWidget *screen, Language language);

// The language a prepared screen speaks (English for a widget of no prepared screen).
Language languageOf(const QWidget *widget);

// The description of a bundle picture (":/gr.jpg" or "gr.jpg") in `language`; empty when the
// picture has none.
QString pictureDescription(const QString &picturePath, Language language);

// Names and describes a pane (a graphics view, or a label showing a picture) after it has been
// given the picture `picturePath`, in the language of its screen.
void describePicture(QWidget *pane, const QString &picturePath);

} // namespace access
