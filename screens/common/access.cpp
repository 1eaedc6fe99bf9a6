#include "access.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QFile>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QVariant>

// The descriptions live in a resource file of their own, compiled into this static library;
// a static library's resources are registered by name.
static void registerDescriptions()
{
    Q_INIT_RESOURCE(picture_descriptions);
}

namespace access {
namespace {

const char *const LanguageProperty = "showerscope.language";
const char *const PictureProperty = "showerscope.picture";
const char *const DescriptionsPath = ":/a11y/picture_descriptions.json";

struct Words {
    const char *english;
    const char *romanian;
};

QString say(const Words &words, Language language)
{
    return QString::fromUtf8(language == Language::Romanian ? words.romanian : words.english);
}

// A caption as a screen reader should hear it: mnemonic marks dropped, runs of spaces and line
// breaks folded.
QString plainCaption(QString caption)
{
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QChar(1), QLatin1Char('&'));
    return caption.simplified();
}

// A push button, checkable or not, as a button: a checked one stays pressed. (The toolkit
// exposes a checkable push button as a check box.)
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(QPushButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QPushButton *button() const { return static_cast<QPushButton *>(object()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            const QString name = button()->accessibleName();
            return name.isEmpty() ? plainCaption(button()->text()) : name;
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const QPushButton *b = button();
        state.pressed = b->isDown() || (b->isCheckable() && b->isChecked());
        if (b->isCheckable()) {
            state.checkable = true;
            state.checked = b->isChecked();
        }
        state.defaultButton = b->isDefault();
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled())
            names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (!button()->isEnabled())
            return;
        if (action == pressAction() || action == toggleAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// A text pane as the toolkit exposes it, with its language among the text attributes
// ("language:ro-RO"), which is what a screen reader reads to choose its voice. Everything else is
// the toolkit's own interface for the pane.
class TextPaneAccessible : public QAccessibleInterface, public QAccessibleTextInterface
{
public:
    explicit TextPaneAccessible(QAccessibleInterface *toolkit)
        : m_toolkit(toolkit), m_toolkitId(QAccessible::uniqueId(toolkit))
    {
    }
    ~TextPaneAccessible() override { QAccessible::deleteAccessibleInterface(m_toolkitId); }

    bool isValid() const override { return m_toolkit->isValid(); }
    QObject *object() const override { return m_toolkit->object(); }
    QWindow *window() const override { return m_toolkit->window(); }
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_toolkit->relations(match);
    }
    QAccessibleInterface *focusChild() const override { return m_toolkit->focusChild(); }
    QAccessibleInterface *childAt(int x, int y) const override { return m_toolkit->childAt(x, y); }
    QAccessibleInterface *parent() const override { return m_toolkit->parent(); }
    QAccessibleInterface *child(int index) const override { return m_toolkit->child(index); }
    int childCount() const override { return m_toolkit->childCount(); }
    int indexOfChild(const QAccessibleInterface *child) const override { return m_toolkit->indexOfChild(child); }
    QString text(QAccessible::Text kind) const override { return m_toolkit->text(kind); }
    void setText(QAccessible::Text kind, const QString &text) override { m_toolkit->setText(kind, text); }
    QRect rect() const override { return m_toolkit->rect(); }
    QAccessible::Role role() const override { return m_toolkit->role(); }
    QAccessible::State state() const override { return m_toolkit->state(); }
    QColor foregroundColor() const override { return m_toolkit->foregroundColor(); }
    QColor backgroundColor() const override { return m_toolkit->backgroundColor(); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return m_toolkit->interface_cast(type);
    }

    void selection(int index, int *start, int *end) const override { text()->selection(index, start, end); }
    int selectionCount() const override { return text()->selectionCount(); }
    void addSelection(int start, int end) override { text()->addSelection(start, end); }
    void removeSelection(int index) override { text()->removeSelection(index); }
    void setSelection(int index, int start, int end) override { text()->setSelection(index, start, end); }
    int cursorPosition() const override { return text()->cursorPosition(); }
    void setCursorPosition(int position) override { text()->setCursorPosition(position); }
    QString text(int start, int end) const override { return text()->text(start, end); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        return text()->textBeforeOffset(offset, boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        return text()->textAfterOffset(offset, boundary, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        return text()->textAtOffset(offset, boundary, start, end);
    }
    int characterCount() const override { return text()->characterCount(); }
    QRect characterRect(int offset) const override { return text()->characterRect(offset); }
    int offsetAtPoint(const QPoint &point) const override { return text()->offsetAtPoint(point); }
    void scrollToSubstring(int start, int end) override { text()->scrollToSubstring(start, end); }
    QString attributes(int offset, int *start, int *end) const override
    {
        QString attributes = text()->attributes(offset, start, end);
        if (const auto *pane = qobject_cast<const QWidget *>(object()))
            attributes += QStringLiteral("language:%1;").arg(pane->locale().bcp47Name());
        return attributes;
    }

private:
    QAccessibleTextInterface *text() const { return m_toolkit->textInterface(); }

    QAccessibleInterface *m_toolkit;
    QAccessible::Id m_toolkitId;
};

bool makingToolkitInterface = false;

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QPushButton")) {
        if (auto *button = qobject_cast<QPushButton *>(object))
            return new ButtonAccessible(button);
    }
    if (!makingToolkitInterface &&
        (className == QLatin1String("QTextEdit") || className == QLatin1String("QTextBrowser"))) {
        // The toolkit's interface for the pane, made (and registered) by the toolkit itself.
        makingToolkitInterface = true;
        QAccessibleInterface *toolkit = QAccessible::queryAccessibleInterface(object);
        makingToolkitInterface = false;
        if (toolkit && toolkit->textInterface())
            return new TextPaneAccessible(toolkit);
    }
    return nullptr;
}

// Tried before the toolkit's own factories, which the application object installs.
void installFactoryOnce()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}

// The toolkit makes a widget's interface as soon as the widget is created while assistive
// technology listens, before the screen's constructor gets here, and keeps it for the widget's
// life: such an interface of a button or text pane is dropped, so that the next request makes
// the one above.
void replaceToolkitInterfaces(QWidget *screen)
{
    const auto widgets = screen->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!qobject_cast<QPushButton *>(widget) && !qobject_cast<QTextEdit *>(widget))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        if (iface && !dynamic_cast<ButtonAccessible *>(iface) && !dynamic_cast<TextPaneAccessible *>(iface))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}

const QHash<QString, QHash<QString, QString>> &descriptions()
{
    static const QHash<QString, QHash<QString, QString>> table = [] {
        registerDescriptions();
        QHash<QString, QHash<QString, QString>> all;
        QFile file(QString::fromLatin1(DescriptionsPath));
        if (!file.open(QIODevice::ReadOnly))
            return all;
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        for (auto picture = root.begin(); picture != root.end(); ++picture) {
            const QJsonObject languages = picture.value().toObject();
            QHash<QString, QString> texts;
            for (auto text = languages.begin(); text != languages.end(); ++text)
                texts.insert(text.key(), text.value().toString());
            all.insert(picture.key(), texts);
        }
        return all;
    }();
    return table;
}

// Windows whose title does not say what they are (several are titled "Dialog").
struct WindowName {
    const char *className;
    Words name;
};
const WindowName windowNames[] = {
    {"MainWindow", {"Choose your language / Alegeți limba", "Alegeți limba / Choose your language"}},
    {"Dialog", {"Showerscope menu", "Meniu Showerscope"}},
    {"Dialogr", {"Showerscope menu", "Meniu Showerscope"}},
    {"Dialog13", {"CONEX longitudinal profiles", "Profile longitudinale CONEX"}},
    {"Dialogr13", {"CONEX longitudinal profiles", "Profile longitudinale CONEX"}},
    {"Dialog7", {"Radio emission", "Emisia radio"}},
    {"Dialogr2", {"Radio emission", "Emisia radio"}},
    {"Dialog10", {"Results", "Rezultate"}},
    {"Dialogr10", {"Results", "Rezultate"}},
    {"Dialog9", {"v × B model graphs", "Graficele modelului v × B"}},
    {"Dialogr9", {"v × B model graphs", "Graficele modelului v × B"}},
    {"Dialog11", {"CoREAS simulations browser", "Navigator de simulări CoREAS"}},
    {"Dialogr11", {"CoREAS simulations browser", "Navigator de simulări CoREAS"}},
    {"Dialog12", {"CoREAS and VXB comparison browser", "Navigator de comparare CoREAS și VXB"}},
    {"Dialogr12r", {"CoREAS and VXB comparison browser", "Navigator de comparare CoREAS și VXB"}},
    {"Dialog6", {"Equations and references", "Ecuații și referințe"}},
    {"Dialogr7", {"Equations and references", "Ecuații și referințe"}},
    {"Dialog8", {"Introduction", "Introducere"}},
    {"Dialogr5", {"Introduction", "Introducere"}},
};

// Panes named by what they hold, where no caption says it. "*" matches every screen.
struct PaneName {
    const char *screen;
    const char *object;
    Words name;
};
const PaneName paneNames[] = {
    {"Dialog", "textEdit", {"About Showerscope", "Despre Showerscope"}},
    {"Dialogr", "textEdit", {"About Showerscope", "Despre Showerscope"}},
    {"Dialog8", "textEdit", {"Introduction text", "Textul introducerii"}},
    {"Dialogr5", "textEdit", {"Introduction text", "Textul introducerii"}},
    {"Dialog8", "graphicsView", {"Pair production animation", "Animația producerii de perechi"}},
    {"Dialogr5", "graphicsView", {"Pair production animation", "Animația producerii de perechi"}},
    {"Dialog8", "graphicsView_2", {"Photoelectric effect animation", "Animația efectului fotoelectric"}},
    {"Dialogr5", "graphicsView_2", {"Photoelectric effect animation", "Animația efectului fotoelectric"}},
    {"Dialog8", "graphicsView_3", {"Bremsstrahlung animation", "Animația radiației de frânare"}},
    {"Dialogr5", "graphicsView_3", {"Bremsstrahlung animation", "Animația radiației de frânare"}},
    {"Dialog8", "graphicsView_4", {"Compton scattering animation", "Animația împrăștierii Compton"}},
    {"Dialogr5", "graphicsView_4", {"Compton scattering animation", "Animația împrăștierii Compton"}},
    {"Dialog11", "graphicsView", {"Proton animation", "Animația pentru proton"}},
    {"Dialogr11", "graphicsView", {"Proton animation", "Animația pentru proton"}},
    {"Dialog11", "graphicsView_2", {"Iron animation", "Animația pentru fier"}},
    {"Dialogr11", "graphicsView_2", {"Iron animation", "Animația pentru fier"}},
    {"Dialog12", "graphicsView", {"Proton graph", "Graficul pentru proton"}},
    {"Dialogr12r", "graphicsView", {"Proton graph", "Graficul pentru proton"}},
    {"Dialog12", "graphicsView_2", {"Iron graph", "Graficul pentru fier"}},
    {"Dialogr12r", "graphicsView_2", {"Iron graph", "Graficul pentru fier"}},
    {"Dialog2", "graphicsView", {"Animation", "Animație"}},
    {"Dialogr3", "graphicsView", {"Animation", "Animație"}},
    {"Dialog6", "textBrowser", {"Equations", "Ecuații"}},
    {"Dialogr7", "textBrowser", {"Equations", "Ecuații"}},
    {"Dialog6", "textBrowser_2", {"References", "Referințe"}},
    {"Dialogr7", "textBrowser_2", {"References", "Referințe"}},
};

// What each kind of pane is called when the table does not name it.
const Words textPaneName{"Explanation", "Explicație"};
const Words picturePaneName{"Graph of the chosen topic", "Graficul subiectului ales"};
const Words scrollAreaName{"Page", "Pagină"};
const Words emptyPane{"Nothing is shown yet: choose a topic.", "Nu este afișat nimic încă: alegeți un subiect."};
const Words zenithName{"Zenith angle %1°", "Unghi zenital %1°"};

// Pictures shown by labels that a screen's constructor fills.
struct LabelPicture {
    const char *screen;
    const char *label;
    const char *picture;
};
const LabelPicture labelPictures[] = {
    {"Dialog10", "label_4", ":/logo.png"},  {"Dialog10", "label_5", ":/logo2.png"},
    {"Dialog10", "label_6", ":/logo3.png"}, {"Dialogr10", "label_4", ":/logo.png"},
    {"Dialogr10", "label_5", ":/logo2.png"}, {"Dialogr10", "label_6", ":/logo3.png"},
};

// Group titles as they should be heard ("Amp. and Time" is read out letter by letter).
const struct {
    const char *title;
    Words spoken;
} spokenGroups[] = {
    {"Amp. and Time", {"amplitude and time", "amplitudine și timp"}},
    {"Amp. și Timp", {"amplitude and time", "amplitudine și timp"}},
};

QString groupTitle(const QWidget *widget, const QWidget *screen, Language language)
{
    for (const QWidget *w = widget->parentWidget(); w && w != screen; w = w->parentWidget()) {
        if (const auto *group = qobject_cast<const QGroupBox *>(w)) {
            const QString title = plainCaption(group->title());
            for (const auto &entry : spokenGroups) {
                if (title.compare(QString::fromUtf8(entry.title), Qt::CaseInsensitive) == 0)
                    return say(entry.spoken, language);
            }
            return title;
        }
    }
    return QString();
}

QString tableName(const QWidget *screen, const QWidget *widget, Language language)
{
    const QString screenName = screen->objectName();
    for (const PaneName &entry : paneNames) {
        if (widget->objectName() == QLatin1String(entry.object) &&
            (screenName == QLatin1String(entry.screen) || qstrcmp(entry.screen, "*") == 0))
            return say(entry.name, language);
    }
    return QString();
}

void nameButtons(QWidget *screen, Language language)
{
    const auto buttons = screen->findChildren<QAbstractButton *>();
    QHash<QString, int> uses;
    for (const QAbstractButton *button : buttons)
        ++uses[plainCaption(button->text())];
    static const QRegularExpression angle(QStringLiteral("^[1-7]0$"));
    for (QAbstractButton *button : buttons) {
        if (!button->accessibleName().isEmpty())
            continue;
        const QString caption = plainCaption(button->text());
        QString name = tableName(screen, button, language);
        if (name.isEmpty() && angle.match(caption).hasMatch())
            name = say(zenithName, language).arg(caption);
        if (name.isEmpty() && uses.value(caption) > 1) {
            const QString group = groupTitle(button, screen, language);
            if (!group.isEmpty())
                name = caption + QStringLiteral(": ") + group;
        }
        if (!name.isEmpty() && name != caption)
            button->setAccessibleName(name);
    }
}

// A picture in rich text reaches assistive technology only as a placeholder character in the
// pane's text (the toolkit's bridge passes on no alternative text for it), so the pane's
// description carries the description of each picture it holds, in the order they appear.
void describeTextPictures(QTextEdit *pane, Language language)
{
    QStringList described;
    for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString description = pictureDescription(format.toImageFormat().name(), language);
            if (!description.isEmpty() && !described.contains(description))
                described << description;
        }
    }
    if (described.isEmpty())
        return;
    QString text = pane->accessibleDescription();
    for (const QString &description : qAsConst(described)) {
        if (!text.contains(description))
            text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + description;
    }
    pane->setAccessibleDescription(text);
}

void namePanes(QWidget *screen, Language language)
{
    const auto widgets = screen->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const bool text = qobject_cast<QTextEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget);
        const bool picture = qobject_cast<QGraphicsView *>(widget) != nullptr;
        const bool area = qobject_cast<QScrollArea *>(widget) != nullptr;
        if (!text && !picture && !area)
            continue;
        if (widget->accessibleName().isEmpty()) {
            QString name = tableName(screen, widget, language);
            if (name.isEmpty())
                name = say(text ? textPaneName : picture ? picturePaneName : scrollAreaName, language);
            widget->setAccessibleName(name);
        }
        if (picture && widget->accessibleDescription().isEmpty())
            widget->setAccessibleDescription(say(emptyPane, language));
        if (auto *textPane = qobject_cast<QTextEdit *>(widget))
            describeTextPictures(textPane, language);
        // A scroll area's viewport is an object of its own to assistive technology: it takes the
        // name and description of its pane.
        if (auto *scrolled = qobject_cast<QAbstractScrollArea *>(widget)) {
            scrolled->viewport()->setAccessibleName(widget->accessibleName());
            scrolled->viewport()->setAccessibleDescription(widget->accessibleDescription());
        }
    }
}

} // namespace

void prepare(QWidget *screen, Language language)
{
    installFactoryOnce();
    replaceToolkitInterfaces(screen);
    screen->setProperty(LanguageProperty, static_cast<int>(language));
    // The screen's language: its widgets' locale, and the one a text pane reports.
    screen->setLocale(language == Language::Romanian ? QLocale(QLocale::Romanian, QLocale::Romania)
                                                     : QLocale(QLocale::English, QLocale::UnitedStates));
    for (const WindowName &entry : windowNames) {
        if (screen->objectName() == QLatin1String(entry.className))
            screen->setAccessibleName(say(entry.name, language));
    }
    for (const LabelPicture &entry : labelPictures) {
        if (screen->objectName() != QLatin1String(entry.screen))
            continue;
        if (auto *label = screen->findChild<QLabel *>(QString::fromLatin1(entry.label)))
            describePicture(label, QString::fromUtf8(entry.picture));
    }
    nameButtons(screen, language);
    namePanes(screen, language);
    // Pictures shown before the screen knew its language are described again in it.
    const auto widgets = screen->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QString picture = widget->property(PictureProperty).toString();
        if (!picture.isEmpty())
            describePicture(widget, picture);
    }
}

Language languageOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        const QVariant language = w->property(LanguageProperty);
        if (language.isValid())
            return static_cast<Language>(language.toInt());
    }
    return Language::English;
}

QString pictureDescription(const QString &picturePath, Language language)
{
    QString key = picturePath;
    if (key.startsWith(QLatin1String(":/")))
        key = key.mid(2);
    const auto found = descriptions().constFind(key);
    if (found == descriptions().constEnd())
        return QString();
    return found->value(language == Language::Romanian ? QStringLiteral("ro") : QStringLiteral("en"));
}

void describePicture(QWidget *pane, const QString &picturePath)
{
    pane->setProperty(PictureProperty, picturePath);
    const QString description = pictureDescription(picturePath, languageOf(pane));
    pane->setAccessibleDescription(description);
    if (auto *scrolled = qobject_cast<QAbstractScrollArea *>(pane))
        scrolled->viewport()->setAccessibleDescription(description);
}

} // namespace access
