#pragma once

#include <QString>

// The standard style-sheet texts of the forms, built from the object name.
namespace stylesheets {

// Image button: un3.png, un1.png under the mouse, un2.png while pressed.
QString imageButton(const QString &objectName);

// A screen's background picture as a border image, kept off the child widgets by the ID selector.
QString background(const QString &objectName, const QString &picture = QStringLiteral("bk1.jpg"));

// Folds the layout variants the forms use (spaces before braces, line breaks) for comparisons.
QString normalised(const QString &styleSheet);

} // namespace stylesheets
