#pragma once

#include <QString>

class QImage;
class QWidget;

enum class Language { English, Romanian };

// Export action: saves an image of a pane, as the user sees it, under a name chosen in the
// save dialog. The file is written atomically; a failure is told to the user in the screen's
// language and leaves any existing file untouched.
namespace exporting {

inline const QString DialogTitle = QStringLiteral("Save image");
inline const QString Filters = QStringLiteral("BMP Files (*.bmp);;JPEG (*.JPEG);;PNG (*.png)");

// Plays `clickSound` (when given), asks for a name and saves the grabbed pane.
void exportPane(QWidget *screen, QWidget *pane, Language language,
                const QString &clickSound = QString());

// The name to write: a name without a suffix gets the suffix of the chosen filter.
QString completedName(const QString &fileName, const QString &selectedFilter);

// Writes the image in the format named by the file's suffix; false with a reason otherwise.
// The program's own reason (an unknown format) is in `language`; system reasons come from Qt.
bool writeImage(const QImage &image, const QString &fileName, QString *error = nullptr,
                Language language = Language::English);

QString failureMessage(Language language);

} // namespace exporting
