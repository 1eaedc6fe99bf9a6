#pragma once

#include <QString>

// The language of the bundle's pictures. The bundle holds the Romanian twin of every picture
// with words as the Romanian variant of the same path (":/mean_30p.png", "url(:bk1.jpg)"), and
// the toolkit resolves a path to the variant of the default locale. "ro" makes the default
// locale Romanian, so every picture loaded from then on is the Romanian one where one exists;
// "en" (or anything else) makes it the C locale, which reaches the originals. Pictures already
// loaded stay as they are; the menus call this as they open, before any screen loads one.
void usePictureLanguage(const QString &lang);
