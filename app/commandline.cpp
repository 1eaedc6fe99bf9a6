#include "commandline.h"

#include "shower.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QVector>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace commandline {

namespace {

const char *const programName = "showerscope";

// False when the text could not be written whole (a full disk, a closed stream).
bool print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size());
    return std::fflush(stream) == 0 && written;
}

// --shower: the options of one shower, their allowed values, and its row of numbers.
struct ShowerOptions {
    QCommandLineOption shower{QStringLiteral("shower"),
        QStringLiteral("Print one shower's numbers as CSV (a header line and one row) and exit; "
                       "needs every option below.")};
    QCommandLineOption energy{QStringLiteral("energy"),
        QStringLiteral("Primary energy in eV, 1e17 to 1e20."), QStringLiteral("E_EV")};
    QCommandLineOption primary{QStringLiteral("primary"),
        QStringLiteral("Primary nucleus: p, He, N or Fe."), QStringLiteral("p|He|N|Fe")};
    QCommandLineOption zenith{QStringLiteral("zenith"),
        QStringLiteral("Zenith angle in degrees, 0 to 80."), QStringLiteral("DEG")};
    QCommandLineOption azimuth{QStringLiteral("azimuth"),
        QStringLiteral("Arrival direction in degrees, counted from East counter-clockwise "
                       "(North 90, West 180, South 270)."), QStringLiteral("DEG")};
    QCommandLineOption site{QStringLiteral("site"),
        QStringLiteral("Radio array: south (1550 m, 0.24 G) or north (sea level, 0.49 G)."),
        QStringLiteral("south|north")};
    QCommandLineOption hadronicModel{QStringLiteral("model"),
        QStringLiteral("Hadronic model of <X_max>: epos-lhc, qgsjet-ii-04 or sibyll-2.3d."),
        QStringLiteral("name")};
};

const char *const showerColumns =
    "energy_ev,primary,zenith_deg,azimuth_deg,site,model,xmax_g_cm2,xmax_sigma_g_cm2,"
    "ground_slant_depth_g_cm2,height_xmax_km,distance_xmax_km,n_max,electrons_ground,muons_ground,"
    "alpha_deg,charge_excess_fraction,cherenkov_angle_deg,cherenkov_radius_m,radiation_energy_mev,"
    "peak_field_uv_m";

// Reads the shower's options; on a bad or missing value, returns false with a one-line message.
bool readShower(const QCommandLineParser &parser, const ShowerOptions &o, model::ShowerInput *input,
                QString *message)
{
    const auto fail = [&](const QCommandLineOption &option, const QString &allowed) {
        const QString name = option.names().constFirst();
        *message = parser.isSet(option)
            ? QStringLiteral("--%1 must be %2, not '%3'").arg(name, allowed, parser.value(option))
            : QStringLiteral("--shower needs --%1 (%2)").arg(name, allowed);
        return false;
    };
    const auto number = [&](const QCommandLineOption &option, double low, double high, double *value) {
        bool ok = false;
        *value = parser.value(option).toDouble(&ok);
        return parser.isSet(option) && ok && std::isfinite(*value) && *value >= low && *value <= high;
    };
    if (!number(o.energy, 1e17, 1e20, &input->energy_eV))
        return fail(o.energy, QStringLiteral("a number of eV from 1e17 to 1e20"));
    const QString primary = parser.value(o.primary);
    if (primary == QLatin1String("p"))
        input->primary = model::Primary::Proton;
    else if (primary == QLatin1String("He"))
        input->primary = model::Primary::Helium;
    else if (primary == QLatin1String("N"))
        input->primary = model::Primary::Nitrogen;
    else if (primary == QLatin1String("Fe"))
        input->primary = model::Primary::Iron;
    else
        return fail(o.primary, QStringLiteral("one of p, He, N, Fe"));
    if (!number(o.zenith, 0.0, 80.0, &input->zenith_deg))
        return fail(o.zenith, QStringLiteral("a number of degrees from 0 to 80"));
    if (!number(o.azimuth, -HUGE_VAL, HUGE_VAL, &input->azimuth_deg))
        return fail(o.azimuth, QStringLiteral("a number of degrees from East counter-clockwise"));
    const QString site = parser.value(o.site);
    if (site == QLatin1String("south"))
        input->site = model::Site::South;
    else if (site == QLatin1String("north"))
        input->site = model::Site::North;
    else
        return fail(o.site, QStringLiteral("south or north"));
    const QString hadronic = parser.value(o.hadronicModel);
    if (hadronic == QLatin1String("epos-lhc"))
        input->hadronicModel = model::HadronicModel::EposLhc;
    else if (hadronic == QLatin1String("qgsjet-ii-04"))
        input->hadronicModel = model::HadronicModel::QgsjetII04;
    else if (hadronic == QLatin1String("sibyll-2.3d"))
        input->hadronicModel = model::HadronicModel::Sibyll23d;
    else
        return fail(o.hadronicModel, QStringLiteral("one of epos-lhc, qgsjet-ii-04, sibyll-2.3d"));
    return true;
}

QString showerTable(const QCommandLineParser &parser, const ShowerOptions &o, const model::ShowerInput &input)
{
    const model::ShowerSummary s = model::ShowerModel(input).summary();
    const auto g = [](double value) { return QString::number(value, 'g', 7); };
    const QStringList row{
        g(input.energy_eV), parser.value(o.primary), g(input.zenith_deg), g(input.azimuth_deg),
        parser.value(o.site), parser.value(o.hadronicModel), g(s.xmax_g_cm2), g(s.xmaxSigma_g_cm2),
        g(s.groundSlantDepth_g_cm2), g(s.heightXmax_km), g(s.distanceXmax_km), g(s.nMax),
        g(s.electronsGround), g(s.muonsGround), g(s.alpha_deg), g(s.chargeExcessFraction),
        g(s.cherenkovAngle_deg), g(s.cherenkovRadius_m), g(s.radiationEnergy_MeV), g(s.peakField_uV_m)};
    return QLatin1String(showerColumns) + QLatin1Char('\n') + row.join(QLatin1Char(',')) + QLatin1Char('\n');
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
    const ShowerOptions showerOptions;
    parser.addOptions({showerOptions.shower, showerOptions.energy, showerOptions.primary, showerOptions.zenith,
                       showerOptions.azimuth, showerOptions.site, showerOptions.hadronicModel});
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
    if (!parser.parse(arguments)) {
        // A shower's options are read by scripts: one line, no usage.
        if (arguments.contains(QLatin1String("--shower")) || arguments.contains(QLatin1String("-shower"))) {
            *err = QStringLiteral("%1: %2\n").arg(QLatin1String(programName), parser.errorText());
            options.exitStatus = 2;
            return options;
        }
        return usageError(parser.errorText());
    }
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
    if (parser.isSet(showerOptions.shower)) {
        model::ShowerInput input;
        QString message;
        if (!readShower(parser, showerOptions, &input, &message)) {
            *err = QStringLiteral("%1: %2\n").arg(QLatin1String(programName), message);
            options.exitStatus = 2;
            return options;
        }
        *out = showerTable(parser, showerOptions, input);
        options.exitStatus = 0;
        return options;
    }
    for (const QCommandLineOption *option : {&showerOptions.energy, &showerOptions.primary, &showerOptions.zenith,
                                             &showerOptions.azimuth, &showerOptions.site,
                                             &showerOptions.hadronicModel}) {
        if (parser.isSet(*option))
            return usageError(QStringLiteral("--%1 needs --shower").arg(option->names().constFirst()));
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
    Options options = parse(QCoreApplication::arguments(), &out, &err);
    errno = 0;
    if (!print(stdout, out) && options.exitStatus == 0) {
        // Help or version that did not reach its reader is a failure, as for any other tool.
        const int error = errno;
        err = QStringLiteral("%1: write error: %2\n")
                  .arg(QLatin1String(programName), QString::fromLocal8Bit(std::strerror(error ? error : EIO)));
        options.exitStatus = 1;
    }
    print(stderr, err);
    return options;
}

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    bool hasCategory; // a message without a category is passed on without one
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
    held.append({type, context.file, context.function, category, context.category != nullptr, context.line, text});
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
                                         m.hasCategory ? m.category.constData() : nullptr);
        previous(m.type, context, m.text);
    }
    held.clear();
}

} // namespace commandline
