#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QVector>

#include <cstdio>
#include <unistd.h>

namespace commandline {

namespace {

const char *const programName = "showerscope";

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

Options parse(const QStringList &arguments, QString *out, QString *err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A bilingual (English and Romanian) learning browser about cosmic-ray air showers\n"
        "and their radio emission."));
    // "-lang ro" reads like "--lang ro", and the toolkit's single-dash options read as words.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Start in the menu of <language>, en (English) or "
                                                 "ro (Romanian), instead of the language chooser."),
                                  QStringLiteral("language"));
    const QCommandLineOption explore(QStringLiteral("explore"),
                                     QStringLiteral("Open the shower explorer straight away, in English unless "
                                                    "--lang ro is given."));
    parser.addOptions({help, version, lang, explore});
    // The toolkit's standard options stay valid (desktops restore sessions with -session, users
    // choose -platform or -style); QApplication reads them from the same arguments later.
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "session",
                             "display", "style", "stylesheet", "qwindowgeometry", "geometry",
                             "qwindowicon", "qwindowtitle", "title", "name"}) {
        QCommandLineOption toolkit(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
    for (const char *name : {"reverse", "widgetcount", "sync", "nograb", "dograb"}) {
        QCommandLineOption toolkit(QString::fromLatin1(name));
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }

    Options options;
    const auto usageError = [&](const QString &message) {
        *err = QStringLiteral("%1: %2\n\n%3").arg(QLatin1String(programName), message, parser.helpText());
        options.exitStatus = 2;
        return options;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (parser.isSet(help)) {
        *out = parser.helpText();
        options.exitStatus = 0;
        return options;
    }
    if (parser.isSet(version)) {
        *out = QStringLiteral("%1 %2\n").arg(QLatin1String(programName), QStringLiteral(SHOWERSCOPE_VERSION));
        options.exitStatus = 0;
        return options;
    }
    if (parser.isSet(lang)) {
        const QString value = parser.value(lang);
        if (value == QLatin1String("en"))
            options.language = MenuLanguage::English;
        else if (value == QLatin1String("ro"))
            options.language = MenuLanguage::Romanian;
        else
            return usageError(QStringLiteral("unknown language '%1' (use en or ro)").arg(value));
        options.chooseLanguage = false;
    }
    if (parser.isSet(explore)) {
        options.explore = true;
        options.chooseLanguage = false;
    }
    return options;
}

Options parse(int argc, char *argv[])
{
    // The parser's help text names the program through the application object, so a plain
    // core application (which needs no display) lives while the arguments are read.
    int coreArgc = argc;
    QCoreApplication core(coreArgc, argv);
    QString out;
    QString err;
    const Options options = parse(QCoreApplication::arguments(), &out, &err);
    print(stdout, out);
    print(stderr, err);
    return options;
}

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

QVector<HeldMessage> held;
QString displayReason;

void holdStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QByteArray category = context.category ? QByteArray(context.category) : QByteArray();
    if (displayReason.isEmpty() && category.startsWith("qt.qpa"))
        displayReason = text.trimmed();
    if (type == QtFatalMsg) {
        // The toolkit found no platform it could start; it would abort() next.
        QString reason = displayReason.isEmpty() ? text.section(QLatin1Char('\n'), 0, 0) : displayReason;
        if (reason == QLatin1String("could not connect to display"))
            reason += QLatin1String(" (DISPLAY is not set)");
        if (reason.endsWith(QLatin1String(" in \"\"")))   // the plugin folder, when none was given
            reason.chop(6);
        print(stderr, QStringLiteral("%1: cannot open a display: %2\n").arg(QLatin1String(programName), reason));
        _exit(1);
    }
    held.append({type, context.file, context.function, category, context.line, text});
}

} // namespace

DisplayGuard::DisplayGuard() : previous(qInstallMessageHandler(holdStartupMessage)) {}

DisplayGuard::~DisplayGuard()
{
    opened();
}

void DisplayGuard::opened()
{
    if (!active)
        return;
    active = false;
    qInstallMessageHandler(previous);
    for (const HeldMessage &m : qAsConst(held)) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                         m.category.constData());
        previous(m.type, context, m.text);
    }
    held.clear();
}

} // namespace commandline
