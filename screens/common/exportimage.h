#pragma once

#include <QString>

#include <functional>

class QImage;
class QWidget;

enum class Language { English, Romanian };

// Export action: saves an image of a pane, as the user sees it, under a name chosen in the
// save dialog. The final name (suffix included) is settled before anything is written, an
// existing file is replaced only when the user says so, the file is written atomically, and a
// failure is told to the user in the screen's language, leaving any existing file untouched.
namespace exporting {

inline const QString DialogTitle = QStringLiteral("Save image");
inline const QString Filters = QStringLiteral("BMP Files (*.bmp);;JPEG (*.JPEG);;PNG (*.png)");

// Plays `clickSound` (when given), asks for a name and saves the grabbed pane.
void exportPane(QWidget *screen, QWidget *pane, Language language,
                const QString &clickSound = QString());

// The save dialog's loop, shared by every export: asks for a name in a dialog titled `title`
// with `filters`, settles the final name with `complete` (name as typed, chosen filter), and
// asks before replacing an existing file (a folder or a dangling link is left to the writer to
// refuse). Empty when the user cancels.
QString askSaveName(QWidget *screen, const QString &title, const QString &filters, Language language,
                    const std::function<QString(const QString &, const QString &)> &complete);

// The title of the export's messages (replace question, failure) on a screen of `language`;
// the save dialog itself is always titled DialogTitle.
QString messageTitle(Language language);

// The name to write. Trailing dots and spaces are dropped; a name whose suffix is no image
// format gets the suffix of the chosen filter ("graf.v2" -> "graf.v2.bmp", "dot." -> "dot.bmp").
QString completedName(const QString &fileName, const QString &selectedFilter);

// Where the save dialog starts: the program's folder when the user may write there, else the
// user's pictures folder, else home.
QString startFolder(const QString &programFolder);

// Writes the image in the format named by the file's suffix; false with the reason, in the
// screen's language, otherwise.
bool writeImage(const QImage &image, const QString &fileName, Language language, QString *reason = nullptr);

QString failureMessage(Language language);
QString replaceQuestion(Language language, const QString &fileName);

} // namespace exporting
