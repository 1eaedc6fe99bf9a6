#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QPair>
#include <QVector>

namespace fonts {
namespace {

// Requested family -> look-alike from Debian's font packages.
const QVector<QPair<QString, QString>> &substitutes()
{
    static const QVector<QPair<QString, QString>> table = {
        {"MS Shell Dlg 2", "Liberation Sans"},          // fonts-liberation2, Tahoma-like sans
        {"Arial", "Liberation Sans"},                   // metric-compatible
        {"Arial Unicode MS", "DejaVu Sans"},            // wide Unicode coverage
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Impact", "Liberation Sans Narrow"},           // condensed, bold captions
        {"Franklin Gothic Medium Cond", "Liberation Sans Narrow"},
        {"Franklin Gothic Demi Cond", "Liberation Sans Narrow"},
        {"High Tower Text", "EB Garamond"},             // old-style serif
        {"Baskerville Old Face", "EB Garamond"},
        {"Times New Roman", "Liberation Serif"},
        {"Gabriola", "Z003"},                           // calligraphic (fonts-urw-base35)
        {"MS UI Gothic", "DejaVu Sans"},
        {"Calibri", "Carlito"},                         // metric-compatible
        {"Ubuntu", "DejaVu Sans"},
        {"Symbola", "Symbola"},
        {"MS Sans Serif", "Liberation Sans"},
        // Quoted lists in the forms' rich text ('High Tower Text,serif'): Qt 5 splits them at
        // the comma, Qt 6 takes each as one family name and would fall back to its default.
        {"High Tower Text,serif", "EB Garamond"},
        {"Arial Unicode MS,sans-serif", "DejaVu Sans"},
        {"MS Shell Dlg 2,sans-serif", "Liberation Sans"},
    };
    return table;
}

} // namespace

void installSubstitutes()
{
    for (const auto &entry : substitutes()) {
        if (entry.first != entry.second)
            QFont::insertSubstitution(entry.first, entry.second);
    }
    // Widgets without a font of their own were laid out for the forms' default dialog font;
    // the desktop's larger default would clip their captions.
    QApplication::setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 8));
}

QStringList formFamilies()
{
    QStringList families;
    for (const auto &entry : substitutes())
        families << entry.first;
    return families;
}

} // namespace fonts
