#pragma once

#include "exportimage.h"

#include <QString>

// External links: fixed web addresses opened in the desktop's browser.
namespace links {

// Plays the click sound, then hands the address (parsed tolerantly) to the desktop's URL
// service. The screen stays open.
void open(const QString &address);

// From now on every web address the program opens (the media buttons and the links in text
// panes alike) goes to the desktop's browser; when the desktop has none that can open it, a
// message in the language of the screens says so and shows the address. Call once the
// application object exists.
void reportUnopenedLinks();

// The message shown when `address` could not be opened, and its title.
QString unopenedMessage(Language language, const QString &address);
QString messageTitle(Language language);

// Public video pages offered by the media screens.
namespace video {
// A talk from the TEDxPSU series on cosmic rays; the talk itself could not be verified, so this
// is the video site's search for that title.
inline const QString TedxPsu =
    QStringLiteral("https://www.youtube.com/results?search_query=TEDxPSU+cosmic+rays");
// TED-Ed lesson "How cosmic rays help us understand the universe".
inline const QString TedEd = QStringLiteral("https://www.youtube.com/watch?v=91801Y1lsCg");
// CNRS Images film "Radio Cosmic" (2016), English version.
inline const QString RadioCosmic = QStringLiteral("https://images.cnrs.fr/en/video/4681");
// "Voices of the Universe" on cosmic rays could not be verified: the video site's search.
inline const QString VoicesOfUniverse =
    QStringLiteral("https://www.youtube.com/results?search_query=Voices+of+the+Universe+cosmic+rays");
} // namespace video

} // namespace links
