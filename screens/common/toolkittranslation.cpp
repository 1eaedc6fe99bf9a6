#include "toolkittranslation.h"

#include "qtcompat.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QTranslator>

namespace {

struct Entry {
    const char *context;
    const char *source;
    const char *romanian;
};

// The toolkit texts that the save dialog, the message boxes and the text panes' context menus
// show, as the toolkit spells them in English.
const Entry RomanianTexts[] = {
    {"QFileDialog", "Look in:", "Caută în:"},
    {"QFileDialog", "File &name:", "&Nume fișier:"},
    {"QFileDialog", "Files of type:", "Fișiere de tipul:"},
    {"QFileDialog", "&Save", "&Salvează"},
    {"QFileDialog", "&Open", "&Deschide"},
    {"QFileDialog", "&Choose", "&Alege"},
    {"QFileDialog", "Open", "Deschide"},
    {"QFileDialog", "Save As", "Salvare ca"},
    {"QFileDialog", "Back", "Înapoi"},
    {"QFileDialog", "Forward", "Înainte"},
    {"QFileDialog", "Parent Directory", "Dosarul părinte"},
    {"QFileDialog", "Go back", "Mergi înapoi"},
    {"QFileDialog", "Go forward", "Mergi înainte"},
    {"QFileDialog", "Go to the parent directory", "Mergi la dosarul părinte"},
    {"QFileDialog", "Create New Folder", "Creează un dosar nou"},
    {"QFileDialog", "Create a New Folder", "Creează un dosar nou"},
    {"QFileDialog", "New Folder", "Dosar nou"},
    {"QFileDialog", "&New Folder", "Dosar &nou"},
    {"QFileDialog", "List View", "Listă"},
    {"QFileDialog", "Detail View", "Detalii"},
    {"QFileDialog", "Change to list view mode", "Afișează ca listă"},
    {"QFileDialog", "Change to detail view mode", "Afișează cu detalii"},
    {"QFileDialog", "Sidebar", "Bară laterală"},
    {"QFileDialog", "List of places and bookmarks", "Locuri și marcaje"},
    {"QFileDialog", "Recent Places", "Locuri recente"},
    {"QFileDialog", "Show &hidden files", "Arată fișierele &ascunse"},
    {"QFileDialog", "&Rename", "&Redenumește"},
    {"QFileDialog", "&Delete", "Ș&terge"},
    {"QFileDialog", "Delete", "Șterge"},
    {"QFileDialog", "Remove", "Elimină"},
    {"QFileDialog", "Are you sure you want to delete '%1'?", "Sigur doriți să ștergeți „%1”?"},
    {"QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?",
     "„%1” este protejat la scriere.\nDoriți totuși să îl ștergeți?"},
    {"QFileDialog", "Could not delete directory.", "Dosarul nu a putut fi șters."},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?", "%1 există deja.\nDoriți să îl înlocuiți?"},
    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
     "%1\nDosarul nu a fost găsit.\nVerificați dacă numele dosarului este corect."},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
     "%1\nFișierul nu a fost găsit.\nVerificați dacă numele fișierului este corect."},
    {"QFileDialog", "All Files (*)", "Toate fișierele (*)"},
    {"QFileDialog", "All files (*)", "Toate fișierele (*)"},
    {"QFileDialog", "Directory:", "Dosar:"},
    {"QFileDialog", "Directories", "Dosare"},
    {"QFileDialog", "Folder", "Dosar"},
    {"QFileDialog", "File Folder", "Dosar"},
    {"QFileDialog", "File", "Fișier"},
    {"QFileDialog", "Files", "Fișiere"},
    {"QFileDialog", "%1 File", "Fișier %1"},
    {"QFileDialog", "Unknown", "Necunoscut"},
    {"QFileDialog", "My Computer", "Computerul meu"},
    {"QFileDialog", "Drive", "Unitate"},
    {"QFileDialog", "Shortcut", "Comandă rapidă"},
    {"QFileDialog", "Show ", "Arată "},
    {"QFileDialog", "Find Directory", "Caută dosarul"},
    {"QFileSystemModel", "Name", "Nume"},
    {"QFileSystemModel", "Size", "Dimensiune"},
    {"QFileSystemModel", "Type", "Tip"},
    {"QFileSystemModel", "Kind", "Tip"},
    {"QFileSystemModel", "Date Modified", "Data modificării"},
    {"QFileSystemModel", "Computer", "Computer"},
    {"QFileSystemModel", "My Computer", "Computerul meu"},
    {"QFileSystemModel", "Invalid filename", "Nume de fișier nevalid"},
    {"QFileSystemModel",
     "<b>The name \"%1\" can not be used.</b><p>Try using another name, with fewer characters or no punctuations marks.",
     "<b>Numele „%1” nu poate fi folosit.</b><p>Încercați alt nume, mai scurt sau fără semne de punctuație."},
    {"QFileSystemModel", "%1 bytes", "%1 octeți"},
    {"QPlatformTheme", "OK", "OK"},
    {"QPlatformTheme", "&Yes", "&Da"},
    {"QPlatformTheme", "&No", "&Nu"},
    {"QPlatformTheme", "Cancel", "Anulează"},
    {"QPlatformTheme", "Save", "Salvează"},
    {"QPlatformTheme", "Open", "Deschide"},
    {"QPlatformTheme", "Close", "Închide"},
    {"QPlatformTheme", "Help", "Ajutor"},
    {"QPlatformTheme", "Apply", "Aplică"},
    {"QPlatformTheme", "Reset", "Resetează"},
    {"QPlatformTheme", "Retry", "Reîncearcă"},
    {"QPlatformTheme", "Ignore", "Ignoră"},
    {"QPlatformTheme", "Abort", "Abandonează"},
    {"QPlatformTheme", "Discard", "Renunță"},
    {"QPlatformTheme", "Save All", "Salvează tot"},
    {"QPlatformTheme", "Yes to &All", "Da pentru &toate"},
    {"QPlatformTheme", "N&o to All", "N&u pentru toate"},
    {"QPlatformTheme", "Restore Defaults", "Restabilește valorile implicite"},
    {"QMessageBox", "OK", "OK"},
    {"QMessageBox", "Help", "Ajutor"},
    {"QMessageBox", "Show Details...", "Arată detaliile..."},
    {"QMessageBox", "Hide Details...", "Ascunde detaliile..."},
};

// The context menu of line edits and text panes, the same texts under two contexts.
const Entry EditMenuTexts[] = {
    {"", "&Undo", "&Anulează"},   {"", "&Redo", "&Refă"},           {"", "Cu&t", "&Taie"},
    {"", "&Copy", "&Copiază"},    {"", "&Paste", "&Lipește"},       {"", "Delete", "Șterge"},
    {"", "Select All", "Selectează tot"}, {"", "Copy &Link Location", "Copiază adresa &legăturii"},
};

class BuiltInRomanian : public QTranslator
{
public:
    explicit BuiltInRomanian(QObject *parent) : QTranslator(parent)
    {
        for (const Entry &entry : RomanianTexts)
            m_texts.insert(key(entry.context, entry.source), QString::fromUtf8(entry.romanian));
        for (const char *context : {"QLineEdit", "QWidgetTextControl"})
            for (const Entry &entry : EditMenuTexts)
                m_texts.insert(key(context, entry.source), QString::fromUtf8(entry.romanian));
    }

    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        return m_texts.value(key(context, sourceText));
    }

    bool isEmpty() const override { return false; }

private:
    static QByteArray key(const char *context, const char *source)
    {
        return QByteArray(context) + '\x04' + QByteArray(source);
    }
    QHash<QByteArray, QString> m_texts;
};

QPointer<QTranslator> &installed()
{
    static QPointer<QTranslator> current;
    return current;
}

QString &installedLanguage()
{
    static QString current = QStringLiteral("en");
    return current;
}

} // namespace

bool installToolkitTranslation(const QString &lang)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    if (QTranslator *old = installed()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    installedLanguage() = QStringLiteral("en");
    if (lang.isEmpty() || lang == QLatin1String("en"))
        return true;
    auto *catalogue = new QTranslator(app);
    if (catalogue->load(QStringLiteral("qtbase_") + lang, qtcompat::translationsFolder())) {
        installed() = catalogue;
    } else {
        delete catalogue;
        if (lang != QLatin1String("ro"))
            return false;
        installed() = new BuiltInRomanian(app);
    }
    QCoreApplication::installTranslator(installed());
    installedLanguage() = lang;
    return true;
}

QString toolkitTranslationLanguage()
{
    return installedLanguage();
}
