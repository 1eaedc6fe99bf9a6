#include "look.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextDocument>
#include <QTextEdit>

namespace look {

QString styleSheet()
{
    // Check boxes: a white-edged box on a dark fill, an amber square inside when checked; the
    // padding is the same in every state so that the caption never moves.
    // Focus: an amber outline around the focused check box (drawn where the style draws its
    // focus rectangle); a focused push button gets the ring of buttonFocusMark() instead, laid
    // over it by the keyboard preparation, and an underlined caption.
    // Scroll bars: 10 px, a faint track, a light rounded handle, no arrow buttons. The bar's own
    // background must be a rule of its own (or the toolkit draws a native bar); the panes'
    // translucent background rules may override its colour, so the track is a sub-control.
    return QStringLiteral(
               "QCheckBox { spacing: 6px; }\n"
               "QCheckBox::indicator { width: 12px; height: 12px; padding: 2px; "
               "border: 2px solid rgba(255, 255, 255, 230); border-radius: 3px; "
               "background-color: rgba(0, 0, 0, 110); background-clip: content; }\n"
               "QCheckBox::indicator:hover { border-color: %1; background-color: rgba(255, 255, 255, 60); }\n"
               "QCheckBox::indicator:focus { border-color: %1; }\n"
               "QCheckBox::indicator:checked { background-color: %1; }\n"
               "QCheckBox::indicator:checked:hover { background-color: #ffe08a; }\n"
               "QAbstractButton:focus { outline: 2px solid %1; }\n"
               "QPushButton:focus { outline: none; text-decoration: underline; }\n"
               "QScrollBar { background-color: transparent; border: none; }\n"
               "QScrollBar:vertical { width: 10px; margin: 0px; }\n"
               "QScrollBar:horizontal { height: 10px; margin: 0px; }\n"
               "QScrollBar::add-page, QScrollBar::sub-page { background-color: rgba(255, 255, 255, 40); border: none; }\n"
               "QScrollBar::handle { background-color: rgba(255, 255, 255, 170); border: none; "
               "border-radius: 4px; margin: 1px; }\n"
               "QScrollBar::handle:vertical { min-height: 32px; }\n"
               "QScrollBar::handle:horizontal { min-width: 32px; }\n"
               "QScrollBar::handle:hover, QScrollBar::handle:pressed { background-color: rgba(255, 255, 255, 235); }\n"
               "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; background: none; }\n"
               "QScrollBar::up-arrow, QScrollBar::down-arrow, QScrollBar::left-arrow, QScrollBar::right-arrow "
               "{ width: 0px; height: 0px; background: none; }\n"
               "QAbstractScrollArea::corner { background: transparent; border: none; }\n")
        .arg(QLatin1String(Accent));
}

void install()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    const QString rules = styleSheet();
    if (app && app->styleSheet() != rules) // setting it again would repolish every widget
        app->setStyleSheet(rules);
}

QString markedButton(const QString &objectName)
{
    return QLatin1Char('#') + objectName +
           QStringLiteral(":checked\n{\nborder-image: url(:un2.png);\ncolor: %1;\n}\n").arg(QLatin1String(Accent));
}

QString paneFocusMark()
{
    return QStringLiteral("QFrame { border: 3px solid %1; border-radius: 3px; background: transparent; }")
        .arg(QLatin1String(Accent));
}

QString buttonFocusMark()
{
    return QStringLiteral("QFrame { border: 3px solid %1; border-radius: 6px; background: transparent; }")
        .arg(QLatin1String(Accent));
}

QString hintStyleSheet()
{
    return QStringLiteral("color: white; background-color: rgba(8, 16, 36, 215); "
                          "border: 2px solid %1; border-radius: 8px; padding: 14px 22px; font-size: 14pt;")
        .arg(QLatin1String(Accent));
}

void fitWidePicture(QTextEdit *pane)
{
    QTextDocument *document = pane->document();
    document->setDocumentMargin(0);
    // Pictures in rich text grow with the screen's resolution (by 100/96 on a 100-dpi screen,
    // which made the sheet wider than the pane); this pane holds nothing but the picture, so it
    // is laid out at its own size in pixels.
    document->documentLayout()->setPaintDevice(nullptr);
}

} // namespace look
