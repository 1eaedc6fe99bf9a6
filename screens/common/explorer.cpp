#include "explorer.h"

#include "exportimage.h"
#include "qtcompat.h"
#include "sound.h"
#include "stylesheets.h"

#include <QAccessible>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSaveFile>
#include <QSlider>
#include <QTextStream>
#include <QTranslator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

// The compiled catalogues are a resource of this library; naming it here links it in.
static void registerCatalogues()
{
    Q_INIT_RESOURCE(showerscope_translations);
}

namespace explorer {

namespace {

// A chart view and its viewport are two objects to assistive technology: both carry the
// view's name and its current description.
void nameView(QAbstractScrollArea *view, const QString &name)
{
    view->setAccessibleName(name);
    view->viewport()->setAccessibleName(name);
}

void describeView(QAbstractScrollArea *view, const QString &description)
{
    view->setAccessibleDescription(description);
    view->viewport()->setAccessibleDescription(description);
}

} // namespace

namespace {

const QColor ChartBackground(14, 20, 40);
const QColor TextColour(240, 240, 240);
const QColor GridColour(255, 255, 255, 45);
const QColor Amber(0xff, 0xc9, 0x40);
const QColor Cyan(0x5a, 0xd1, 0xff);
const QColor Pink(0xff, 0x8b, 0xe0);
const QColor Coral(0xff, 0x7b, 0x6b);
const QColor Green(0x9b, 0xf0, 0x9b);
constexpr double PulseStart_ns = -30;
constexpr double PulseEnd_ns = 70;
constexpr int PulseSamples = 201;
constexpr int ProfileSamples = 160;

// Repainting the window leaves the upper halves of the AVX registers in use (some of the
// toolkit's AVX2 drawing code returns without clearing them). On Intel processors every
// SSE instruction after that pays a transition penalty: the model's exp() took 111 ns instead
// of 3 ns, and a control step 19 ms instead of 5. Clearing them before the model or the pulse
// is computed avoids it; the instruction exists only where AVX does.
void clearVectorUpperHalves()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        asm volatile("vzeroupper");
#endif
}

QFont chartFont(double points, bool bold = false)
{
    QFont font;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A dark chart with light text, the same for every view of the explorer.
QChart *newChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setBackgroundBrush(ChartBackground);
    chart->setBackgroundRoundness(0);
    chart->setTitleBrush(TextColour);
    chart->setTitleFont(chartFont(10, true));
    chart->setTitle(title);
    chart->setMargins(QMargins(4, 2, 8, 2));
    chart->legend()->setLabelColor(TextColour);
    chart->legend()->setFont(chartFont(9));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void styleAxis(QAbstractAxis *axis, const QString &title)
{
    axis->setTitleText(title);
    axis->setTitleBrush(TextColour);
    axis->setTitleFont(chartFont(9));
    axis->setLabelsBrush(TextColour);
    axis->setLabelsFont(chartFont(9));
    axis->setGridLineColor(GridColour);
    axis->setLinePenColor(QColor(255, 255, 255, 120));
}

QChartView *newChartView(QChart *chart, QWidget *parent)
{
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameShape(QFrame::NoFrame);
    view->setMinimumSize(300, 220);
    view->setFocusPolicy(Qt::NoFocus);
    view->setBackgroundBrush(ChartBackground);
    view->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    return view;
}

QLineSeries *newLine(QChart *chart, const QString &name, const QColor &colour, double width,
                     Qt::PenStyle style = Qt::SolidLine)
{
    auto *series = new QLineSeries(chart);
    series->setName(name);
    QPen pen(colour, width, style);
    series->setPen(pen);
    chart->addSeries(series);
    return series;
}

void attach(QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y)
{
    series->attachAxis(x);
    series->attachAxis(y);
}

// 1, 2 or 5 times a power of ten, at most `value`.
double niceBelow(double value)
{
    const double decade = std::pow(10.0, std::floor(std::log10(value)));
    for (double m : {5.0, 2.0, 1.0}) {
        if (m * decade <= value)
            return m * decade;
    }
    return decade;
}

// Sets the axis to a round range that holds low..high, with ticks at 1, 2 or 5 times a power of
// ten. The range moves only when the data leave it, so that most control steps redraw each
// series once instead of once for the new data and again for a new range.
void setNiceRange(QValueAxis *axis, double low, double high)
{
    const double span = std::max(high - low, 1e-9);
    const double step = niceBelow(span / 3);
    const double from = std::floor(low / step) * step;
    const double to = std::ceil(high / step) * step;
    if (axis->min() != from || axis->max() != to) {
        axis->setRange(from, to);
        axis->setTickCount(int(std::lround((to - from) / step)) + 1);
    }
}

// The half-width of the ground map: a round number of metres that holds the ring with room
// around it.
double mapHalfWidth(double ringExtent_m)
{
    const double wanted = std::max(200.0, 1.8 * ringExtent_m);
    for (double step : {100.0, 150.0, 200.0, 250.0, 300.0, 400.0, 500.0, 600.0, 800.0, 1000.0, 1200.0,
                        1500.0, 2000.0, 2500.0, 3000.0, 4000.0, 5000.0, 6000.0, 8000.0}) {
        if (step >= wanted)
            return step;
    }
    return 10000.0;
}

// A perceptually even colour scale from dark violet through teal to yellow (viridis' anchors).
QRgb colourOf(double t)
{
    static const QColor anchors[] = {QColor(68, 1, 84), QColor(59, 82, 139), QColor(33, 145, 140),
                                     QColor(94, 201, 98), QColor(253, 231, 37)};
    t = std::clamp(t, 0.0, 1.0) * 4.0;
    const int i = std::min(3, int(t));
    const double f = t - i;
    const QColor &a = anchors[i];
    const QColor &b = anchors[i + 1];
    return qRgb(int(a.red() + f * (b.red() - a.red())), int(a.green() + f * (b.green() - a.green())),
                int(a.blue() + f * (b.blue() - a.blue())));
}

QString superscript(int value)
{
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    const QString plain = QString::number(value);
    QString out;
    for (QChar c : plain)
        out += c == QLatin1Char('-') ? QStringLiteral("⁻") : QString(digits.at(c.digitValue()));
    return out;
}

QPushButton *imageButton(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setStyleSheet(stylesheets::imageButton(objectName));
    QPalette palette = button->palette(); // white captions, as on the forms' image buttons
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(190, 190, 190));
    button->setPalette(palette);
    button->setMinimumHeight(34);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// Fixes a number's label at the height its tallest value needs. Superscript digits other than
// ¹ ² ³ come from a fallback font with other metrics: without this the label's height, and with
// it the height of every view beside the panel, would change with the value. Only the rows that
// show powers of ten get that taller height, so that the panel fits beside the graphs on a
// 768-pixel screen. Call it once the panel's style sheet is set: the probe sits in the same
// panel, so the sheet applies to both.
void steadyHeight(QLabel *label, bool powersOfTen)
{
    QLabel probe(powersOfTen ? QStringLiteral("8,8 × 10⁰¹²³⁴⁵⁶⁷⁸⁹") : QStringLiteral("8,8 ± 9° µV/m² g/cm³"),
                 label->parentWidget());
    probe.setStyleSheet(label->styleSheet());
    probe.ensurePolished();
    label->ensurePolished();
    label->setFixedHeight(std::max(label->sizeHint().height(), probe.sizeHint().height()));
}

QLabel *panelLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

// The numbers panel: caption and the key the CSV names it by.
struct Quantity
{
    const char *key;
    const char *caption;
    bool powersOfTen = false; // shown as "1,3 × 10⁹"
};

const Quantity Quantities[] = {
    {"xmax_g_cm2", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "X<sub>max</sub> of this shower")},
    {"xmax_mean_sigma_g_cm2", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Mean ⟨X<sub>max</sub>⟩ ± σ")},
    {"xmax_height_km", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Height of X<sub>max</sub> above sea level")},
    {"xmax_distance_km", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Distance from X<sub>max</sub> to the core")},
    {"n_max", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "N<sub>max</sub>, charged particles"), true},
    {"electrons_ground", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Electrons at the ground"), true},
    {"muons_ground", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Muons at the ground"), true},
    {"alpha_deg", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Geomagnetic angle α")},
    {"charge_excess_fraction", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Charge-excess fraction")},
    {"cherenkov_angle_deg", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Cherenkov angle")},
    {"cherenkov_radius_m", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Cherenkov ring radius")},
    {"radiation_energy_MeV", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Radiation energy")},
    {"peak_field_uV_m", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Largest peak field on the ground")},
    {"footprint_area_km2", QT_TRANSLATE_NOOP("explorer::ShowerExplorer", "Footprint area above %1")},
};
constexpr int QuantityCount = int(sizeof Quantities / sizeof Quantities[0]);

} // namespace

double lgEnergy(int energyStep)
{
    return 17.0 + energyStep / 10.0;
}

model::ShowerInput inputOf(const Settings &settings)
{
    model::ShowerInput input;
    input.energy_eV = std::pow(10.0, lgEnergy(settings.energyStep));
    input.primary = model::Primary(settings.primary);
    input.hadronicModel = model::HadronicModel(settings.hadronicModel);
    input.zenith_deg = settings.zenith_deg;
    input.azimuth_deg = settings.azimuth_deg;
    input.site = model::Site(settings.site);
    return input;
}

// ---------------------------------------------------------------------------------------------

ShowerExplorer::ShowerExplorer(const QString &language, QWidget *parent)
    : QWidget(parent), m_language(language),
      m_locale(language == QLatin1String("en") ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                               : QLocale(language)),
      m_xmaxDeviation(std::numeric_limits<double>::quiet_NaN())
{
    setObjectName(QStringLiteral("showerExplorer"));
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
    registerCatalogues();
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral(":/i18n/showerscope_%1.qm").arg(language))) {
        QCoreApplication::installTranslator(translator.get());
        m_translator = std::move(translator);
    }

    for (int i = 0; i < ProfileSamples; ++i)
        m_profileDepths.push_back(0);
    for (int i = 0; i < PulseSamples; ++i)
        m_pulseTimes.push_back(PulseStart_ns + (PulseEnd_ns - PulseStart_ns) * i / (PulseSamples - 1));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(8);

    auto *controls = new QGroupBox(tr("Shower"), this);
    controls->setObjectName(QStringLiteral("controlsPanel"));
    buildControls(controls);
    auto *numbers = new QGroupBox(tr("Numbers"), this);
    numbers->setObjectName(QStringLiteral("numbersPanel"));
    buildNumbers(numbers);
    m_numbersPanel = numbers;
    controls->setMaximumWidth(360);
    numbers->setMaximumWidth(360);
    const QString panelStyle = QStringLiteral(
        "QGroupBox { background-color: rgba(10, 14, 30, 215); border: 1px solid rgba(255, 255, 255, 60);"
        " margin-top: 14px; padding: 6px; color: white; font-weight: bold; }"
        " QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 4px; }"
        // Large enough that sub- and superscripts (X_max, 10^18.3) stay above 9 pixels.
        " QLabel { font-size: 10pt; font-weight: normal; }");
    controls->setStyleSheet(panelStyle);
    numbers->setStyleSheet(panelStyle);
    for (int i = 0; i < QuantityCount; ++i)
        steadyHeight(m_values[size_t(i)], Quantities[i].powersOfTen);

    // The profile.
    QChart *profile = newChart(tr("Longitudinal profile"));
    m_charged = newLine(profile, tr("Charged"), Amber, 2);
    m_muons = newLine(profile, tr("Muons"), Cyan, 2);
    m_bandLow = new QLineSeries(profile);
    m_bandHigh = new QLineSeries(profile);
    m_band = new QAreaSeries(m_bandHigh, m_bandLow);
    m_band->setName(tr("⟨X<sub>max</sub>⟩ ± σ"));
    m_band->setBrush(QColor(255, 255, 255, 40));
    m_band->setPen(QPen(QColor(255, 255, 255, 90), 1));
    profile->addSeries(m_band);
    m_xmaxLine = newLine(profile, tr("This shower"), Coral, 2);
    m_groundLine = newLine(profile, tr("Ground"), Green, 2, Qt::DashLine);
    m_depthAxis = new QValueAxis(profile);
    styleAxis(m_depthAxis, tr("Slant depth (g/cm²)"));
    m_depthAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_countAxis = new QCategoryAxis(profile);
    m_countAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    styleAxis(m_countAxis, tr("Number of particles"));
    profile->addAxis(m_depthAxis, Qt::AlignBottom);
    profile->addAxis(m_countAxis, Qt::AlignLeft);
    for (QAbstractSeries *s : profile->series())
        attach(s, m_depthAxis, m_countAxis);
    profile->setLocalizeNumbers(true);
    profile->setLocale(m_locale);
    m_profileView = newChartView(profile, this);
    m_profileView->setObjectName(QStringLiteral("profileView"));
    nameView(m_profileView, tr("Longitudinal profile"));

    // The pulse.
    QChart *pulse = newChart(QString());
    const QColor pulseColours[3] = {Amber, Cyan, Pink};
    const QString pulseNames[3] = {tr("East–West"), tr("North–South"), tr("Vertical")};
    for (int i = 0; i < 3; ++i)
        m_pulseSeries[i] = newLine(pulse, pulseNames[i], pulseColours[i], 2);
    m_timeAxis = new QValueAxis(pulse);
    styleAxis(m_timeAxis, tr("Time (ns)"));
    m_timeAxis->setRange(PulseStart_ns, PulseEnd_ns);
    m_timeAxis->setTickCount(6);
    m_timeAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_fieldAxis = new QValueAxis(pulse);
    styleAxis(m_fieldAxis, tr("Field (µV/m)"));
    m_fieldAxis->setLabelFormat(QStringLiteral("%.0f"));
    pulse->addAxis(m_timeAxis, Qt::AlignBottom);
    pulse->addAxis(m_fieldAxis, Qt::AlignLeft);
    for (QLineSeries *s : m_pulseSeries)
        attach(s, m_timeAxis, m_fieldAxis);
    pulse->setLocalizeNumbers(true);
    pulse->setLocale(m_locale);
    m_pulseView = newChartView(pulse, this);
    m_pulseView->setObjectName(QStringLiteral("pulseView"));
    nameView(m_pulseView, tr("Pulse at the chosen antenna"));

    // The ground map.
    m_mapView = new FootprintView(this);
    m_mapView->setObjectName(QStringLiteral("footprintView"));
    nameView(m_mapView, tr("Ground footprint"));
    m_mapView->chart()->setLocalizeNumbers(true);
    m_mapView->chart()->setLocale(m_locale);
    connect(m_mapView, &FootprintView::antennaChosen, this, &ShowerExplorer::selectAntenna);

    // Each view with its export button below it.
    auto withExport = [this](QWidget *view, const QString &objectName, const QString &accessibleName,
                             const QString &note = QString()) {
        auto *box = new QWidget(this);
        auto *layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(4);
        layout->addWidget(view, 1);
        auto *button = imageButton(objectName, tr("Export image"), box);
        button->setAccessibleName(accessibleName);
        connect(button, &QPushButton::clicked, this, [this, view] { exportView(view); });
        auto *row = new QHBoxLayout;
        if (!note.isEmpty()) {
            auto *label = panelLabel(note, box);
            label->setObjectName(objectName + QStringLiteral("Note"));
            label->setWordWrap(true);
            label->setStyleSheet(QStringLiteral("color: white; background-color: rgba(10, 14, 30, 200); padding: 2px;"));
            row->addWidget(label, 1);
        }
        row->addStretch(note.isEmpty() ? 1 : 0);
        row->addWidget(button);
        button->setMinimumWidth(150);
        layout->addLayout(row);
        return box;
    };

    grid->addWidget(controls, 0, 0);
    grid->addWidget(numbers, 1, 0);
    grid->addWidget(withExport(m_profileView, QStringLiteral("exportProfile"), tr("Export the profile as an image")), 0, 1);
    grid->addWidget(withExport(m_pulseView, QStringLiteral("exportPulse"), tr("Export the pulse as an image")), 1, 1);
    grid->addWidget(withExport(m_mapView, QStringLiteral("exportFootprint"), tr("Export the footprint as an image"),
                               tr("The footprint's fall-off away from the ring is illustrative, not a fitted parametrisation.")),
                    0, 2, 2, 1);
    grid->setColumnStretch(0, 0);
    grid->setColumnStretch(1, 6);
    grid->setColumnStretch(2, 5);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);

    // A size of its own, so that values of another width never change the window's size hints.
    setMinimumSize(1000, 600);
    setTabOrder(m_reset, m_mapView);
    setSettings(Settings());
}

ShowerExplorer::~ShowerExplorer()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

void ShowerExplorer::buildControls(QWidget *panel)
{
    auto *layout = new QGridLayout(panel);
    layout->setContentsMargins(8, 14, 8, 8);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(3);
    int row = 0;

    auto slider = [&](const QString &caption, QSlider *&control, QLabel *&value, int low, int high, int step,
                      int page, const char *name) {
        auto *label = panelLabel(caption, panel);
        value = panelLabel(QString(), panel);
        value->setTextFormat(Qt::RichText);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(150); // wide enough for every value: the layout stays put as values change
        control = new QSlider(Qt::Horizontal, panel);
        control->setObjectName(QString::fromLatin1(name));
        control->setRange(low, high);
        control->setSingleStep(step);
        control->setPageStep(page);
        control->setAccessibleName(caption);
        control->setFocusPolicy(Qt::StrongFocus);
        label->setBuddy(control);
        layout->addWidget(label, row, 0);
        layout->addWidget(value, row, 1);
        layout->addWidget(control, row + 1, 0, 1, 2);
        row += 2;
        connect(control, &QSlider::valueChanged, this, [this] { settingsChanged(); });
    };
    auto combo = [&](const QString &caption, QComboBox *&control, const QStringList &items, const char *name) {
        auto *label = panelLabel(caption, panel);
        control = new QComboBox(panel);
        control->setObjectName(QString::fromLatin1(name));
        control->addItems(items);
        control->setAccessibleName(caption);
        control->setFocusPolicy(Qt::StrongFocus);
        label->setBuddy(control);
        layout->addWidget(label, row, 0);
        layout->addWidget(control, row, 1);
        ++row;
        connect(control, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] { settingsChanged(); });
    };

    slider(tr("Energy"), m_energy, m_energyText, 0, 30, 1, 5, "energySlider");
    combo(tr("Primary particle"), m_primary,
          {tr("proton (p)"), tr("helium (He)"), tr("nitrogen (N)"), tr("iron (Fe)")}, "primaryBox");
    combo(tr("Hadronic model"), m_hadronic,
          {QStringLiteral("EPOS-LHC"), QStringLiteral("QGSJET-II-04"), QStringLiteral("SIBYLL 2.3d")}, "modelBox");
    slider(tr("Zenith angle"), m_zenith, m_zenithText, 0, 80, 1, 10, "zenithSlider");
    slider(tr("Arrival azimuth"), m_azimuth, m_azimuthText, 0, 355, 5, 45, "azimuthSlider");
    combo(tr("Site"), m_site, {tr("Southern radio array (1550 m)"), tr("Northern array (sea level)")}, "siteBox");

    m_newShower = imageButton(QStringLiteral("newShowerButton"), tr("New shower"), panel);
    m_newShower->setAccessibleName(tr("New shower"));
    m_newShower->setAccessibleDescription(tr("Draws this shower's X_max from its distribution"));
    m_reset = imageButton(QStringLiteral("resetButton"), tr("Reset"), panel);
    m_reset->setAccessibleName(tr("Reset"));
    m_reset->setAccessibleDescription(tr("Restores the starting settings and the mean X_max"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_newShower);
    buttons->addWidget(m_reset);
    layout->addLayout(buttons, row++, 0, 1, 2);
    layout->setRowStretch(row, 1); // on a tall screen the room goes below, not between a label and its slider
    connect(m_newShower, &QPushButton::clicked, this, [this] {
        sound::play(sound::Click);
        newShower();
    });
    connect(m_reset, &QPushButton::clicked, this, [this] {
        sound::play(sound::Click);
        reset();
    });
    layout->setColumnStretch(1, 1);
}


void ShowerExplorer::buildNumbers(QWidget *panel)
{
    auto *layout = new QGridLayout(panel);
    layout->setContentsMargins(8, 14, 8, 8);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(2); // rows with powers of ten hold their own room for them (steadyHeight)
    for (int i = 0; i < QuantityCount; ++i) {
        auto *caption = panelLabel(QString(), panel);
        caption->setObjectName(QStringLiteral("caption_%1").arg(QLatin1String(Quantities[i].key)));
        caption->setTextFormat(Qt::RichText);
        auto *value = panelLabel(QString(), panel);
        value->setObjectName(QStringLiteral("value_%1").arg(QLatin1String(Quantities[i].key)));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(100);
        layout->addWidget(caption, i, 0);
        layout->addWidget(value, i, 1);
        m_values.push_back(value);
    }
    auto *csv = imageButton(QStringLiteral("exportCsv"), tr("Export numbers (CSV)"), panel);
    csv->setAccessibleName(tr("Export the numbers and the series as CSV"));
    connect(csv, &QPushButton::clicked, this, [this] { exportCsv(); });
    // The button's picture is stretched whole: at the panel's full width its round ends would
    // turn into long ellipses.
    csv->setMinimumWidth(190);
    csv->setMaximumWidth(230);
    layout->addWidget(csv, QuantityCount, 0, 1, 2, Qt::AlignHCenter);
    layout->setRowStretch(QuantityCount + 1, 1);
    layout->setColumnStretch(0, 1);
}

void ShowerExplorer::setSettings(const Settings &settings)
{
    m_updating = true;
    m_energy->setValue(settings.energyStep);
    m_primary->setCurrentIndex(settings.primary);
    m_hadronic->setCurrentIndex(settings.hadronicModel);
    m_zenith->setValue(settings.zenith_deg);
    m_azimuth->setValue(settings.azimuth_deg);
    m_site->setCurrentIndex(settings.site);
    m_updating = false;
    m_settings = settings;
    recompute();
}

void ShowerExplorer::settingsChanged()
{
    if (m_updating)
        return;
    m_settings.energyStep = m_energy->value();
    m_settings.primary = m_primary->currentIndex();
    m_settings.hadronicModel = m_hadronic->currentIndex();
    m_settings.zenith_deg = m_zenith->value();
    m_settings.azimuth_deg = m_azimuth->value() / 5 * 5;
    m_settings.site = m_site->currentIndex();
    recompute();
}

void ShowerExplorer::newShower()
{
    std::normal_distribution<double> deviation(0.0, 1.0);
    m_xmaxDeviation = std::clamp(deviation(m_random), -3.0, 3.0);
    recompute();
}

void ShowerExplorer::reset()
{
    m_xmaxDeviation = std::numeric_limits<double>::quiet_NaN();
    m_antenna = DefaultAntenna;
    setSettings(Settings());
}

void ShowerExplorer::selectAntenna(int index)
{
    if (index < 0 || index >= int(m_footprint.antennas.size()) || index == m_antenna)
        return;
    m_antenna = index;
    clearVectorUpperHalves();
    QElapsedTimer clock;
    clock.start();
    computePulse();
    m_computeMs = clock.nsecsElapsed() / 1e6;
    holdViews({m_mapView, m_pulseView});
    showFootprint();
    showPulse();
    releaseViews();
}

void ShowerExplorer::recompute()
{
    clearVectorUpperHalves();
    QElapsedTimer clock;
    clock.start();
    model::ShowerInput input = inputOf(m_settings);
    auto shower = std::make_unique<model::ShowerModel>(input);
    if (!std::isnan(m_xmaxDeviation)) {
        const model::ShowerSummary mean = shower->summary();
        input.xmax_g_cm2 = mean.xmaxMean_g_cm2 + m_xmaxDeviation * mean.xmaxSigma_g_cm2;
        shower = std::make_unique<model::ShowerModel>(input);
    }
    m_model = std::move(shower);
    m_summary = m_model->summary();

    // The profile from the top of the atmosphere to the ground.
    const double ground = m_summary.groundSlantDepth_g_cm2;
    m_profileCharged.resize(ProfileSamples);
    m_profileMuons.resize(ProfileSamples);
    for (int i = 0; i < ProfileSamples; ++i) {
        const double x = ground * (i + 1) / ProfileSamples;
        m_profileDepths[i] = x;
        m_profileCharged[i] = m_model->chargedParticles(x);
        m_profileMuons[i] = m_model->muons(x);
    }

    // The ground map.
    Footprint &f = m_footprint;
    const auto ring = m_model->cherenkovEllipse_m(72);
    f.ring.clear();
    double extent = 0;
    for (const auto &p : ring) {
        f.ring << QPointF(p[0], p[1]);
        extent = std::max({extent, std::abs(p[0]), std::abs(p[1])});
    }
    if (!f.ring.isEmpty())
        f.ring << f.ring.first();
    f.half_m = mapHalfWidth(extent);
    if (f.map.size() != QSize(MapPixels, MapPixels))
        f.map = QImage(MapPixels, MapPixels, QImage::Format_RGB32);
    static thread_local std::vector<double> fluence;
    fluence.resize(MapPixels * MapPixels);
    const double cell = 2 * f.half_m / MapPixels;
    double largest = 0;
    int brightest = 0;
    for (int j = 0; j < MapPixels; ++j) {
        const double north = f.half_m - (j + 0.5) * cell;
        for (int i = 0; i < MapPixels; ++i) {
            const double value = m_model->fluence_eV_m2(-f.half_m + (i + 0.5) * cell, north);
            fluence[j * MapPixels + i] = value;
            if (value > largest) {
                largest = value;
                brightest = j * MapPixels + i;
            }
        }
    }
    f.maxFluence_eV_m2 = largest;
    for (int j = 0; j < MapPixels; ++j) {
        auto *line = reinterpret_cast<QRgb *>(f.map.scanLine(j));
        for (int i = 0; i < MapPixels; ++i)
            line[i] = colourOf(largest > 0 ? fluence[j * MapPixels + i] / largest : 0.0);
    }
    f.brightest = QPointF(-f.half_m + (brightest % MapPixels + 0.5) * cell, f.half_m - (brightest / MapPixels + 0.5) * cell);
    const model::Vec3 atBrightest = m_model->peakField_uV_m(f.brightest.x(), f.brightest.y());
    f.brightestField_uV_m = std::sqrt(atBrightest.east * atBrightest.east + atBrightest.north * atBrightest.north +
                                      atBrightest.up * atBrightest.up);
    const double spacing = f.half_m / 4;
    f.antennas.clear();
    f.fields.clear();
    for (int row = 0; row < AntennaRows; ++row) {
        for (int col = 0; col < AntennaRows; ++col) {
            const QPointF at((col - AntennaRows / 2) * spacing, (AntennaRows / 2 - row) * spacing);
            f.antennas.push_back(at);
            f.fields.push_back(m_model->peakField_uV_m(at.x(), at.y()));
        }
    }
    computePulse();
    m_computeMs = clock.nsecsElapsed() / 1e6;

    holdViews({m_profileView, m_mapView, m_pulseView});
    showControls();
    showProfile();
    showFootprint();
    showPulse();
    showNumbers();
    releaseViews();
}

// Each chart's scene processes its changed items in a queued call and then paints the whole
// window at once. Left to the event loop, the three scenes would paint the window up to three
// times per change, each time with another chart still out of date. So the views that are about
// to change ignore updates while they do (holdViews); then the widgets and charts are laid out,
// the scenes processed, and each held view is marked for one full repaint, which the next paint
// of the window draws (releaseViews).
void ShowerExplorer::holdViews(std::initializer_list<QChartView *> views)
{
    m_heldViews.assign(views.begin(), views.end());
    for (QChartView *view : m_heldViews)
        view->viewport()->setUpdatesEnabled(false);
}

void ShowerExplorer::releaseViews()
{
    // The panels' labels and the charts ask for a new layout when their texts change.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QChartView *view : m_heldViews)
        QCoreApplication::sendPostedEvents(view->scene(), QEvent::MetaCall);
    for (QChartView *view : m_heldViews)
        view->viewport()->setUpdatesEnabled(true);
    m_heldViews.clear();
}

void ShowerExplorer::computePulse()
{
    const QPointF at = m_footprint.antennas.at(size_t(m_antenna));
    m_pulse = m_model->pulse_uV_m(at.x(), at.y(), m_pulseTimes);
}

// ---------------------------------------------------------------------------------------------
// What the views and the panel show

QString ShowerExplorer::number(double value, int decimals) const
{
    return m_locale.toString(value, 'f', decimals);
}

QString ShowerExplorer::scientific(double value) const
{
    if (!(value > 0))
        return number(0, 0);
    if (value < 1e4)
        return number(value, 0);
    int exponent = int(std::floor(std::log10(value)));
    double mantissa = value / std::pow(10.0, exponent);
    if (mantissa >= 9.95) {
        mantissa /= 10;
        ++exponent;
    }
    return number(mantissa, 1) + QStringLiteral(" × 10") + superscript(exponent);
}

QString ShowerExplorer::field(double uV_m) const
{
    if (std::abs(uV_m) >= 1000)
        return tr("%1 mV/m").arg(number(uV_m / 1000, std::abs(uV_m) >= 10000 ? 0 : 1));
    return tr("%1 µV/m").arg(number(uV_m, 0));
}

QString ShowerExplorer::where(QPointF position) const
{
    const int east = int(std::lround(position.x()));
    const int north = int(std::lround(position.y()));
    const QString ew = east >= 0 ? tr("east") : tr("west");
    const QString ns = north >= 0 ? tr("north") : tr("south");
    if (std::abs(east) < 5 && std::abs(north) < 5)
        return tr("at the core");
    if (std::abs(north) < 5)
        return tr("%1 m %2 of the core").arg(std::abs(east)).arg(ew);
    if (std::abs(east) < 5)
        return tr("%1 m %2 of the core").arg(std::abs(north)).arg(ns);
    return tr("%1 m %2 and %3 m %4 of the core").arg(std::abs(east)).arg(ew).arg(std::abs(north)).arg(ns);
}

void ShowerExplorer::showControls()
{
    const double lg = lgEnergy(m_settings.energyStep);
    const double eeV = std::pow(10.0, lg - 18);
    const bool peta = lg < 18 - 1e-9;
    const double shown = peta ? eeV * 1000 : eeV;
    const QString amount = number(shown, shown < 10 ? 1 : 0);
    const QString unit = peta ? QStringLiteral("PeV") : QStringLiteral("EeV");
    m_energyText->setText(QStringLiteral("10<sup>%1</sup> eV = %2 %3").arg(number(lg, 1), amount, unit));
    // Read from the label's text, the power would be heard as "1018.3".
    const QString spoken = tr("10 to the power %1 electronvolts, %2 %3").arg(number(lg, 1), amount, unit);
    m_energyText->setAccessibleName(spoken);
    m_energy->setAccessibleDescription(spoken);

    m_zenithText->setText(QStringLiteral("%1°").arg(m_settings.zenith_deg));
    m_zenith->setAccessibleDescription(tr("%1 degrees from the vertical").arg(m_settings.zenith_deg));

    const QString words[8] = {tr("from the east"), tr("from the north-east"), tr("from the north"),
                              tr("from the north-west"), tr("from the west"), tr("from the south-west"),
                              tr("from the south"), tr("from the south-east")};
    const QString direction = words[int(std::lround(m_settings.azimuth_deg / 45.0)) % 8];
    m_azimuthText->setText(QStringLiteral("%1° (%2)").arg(m_settings.azimuth_deg).arg(direction));
    m_azimuth->setAccessibleDescription(tr("%1 degrees from the east, counter-clockwise: %2")
                                            .arg(m_settings.azimuth_deg)
                                            .arg(direction));
}

void ShowerExplorer::showProfile()
{
    const model::ShowerSummary &s = m_summary;
    const double top = std::max(s.nMax, *std::max_element(m_profileMuons.begin(), m_profileMuons.end()));
    const int high = int(std::ceil(std::log10(std::max(top, 10.0) * 1.5)));
    const int low = high - 6;
    if (high != m_countHigh || low != m_countLow || m_countAxis->count() == 0) {
        for (const QString &label : m_countAxis->categoriesLabels())
            m_countAxis->remove(label);
        m_countAxis->setStartValue(low);
        // Every second decade: the labels need the height of their superscripts, and a short
        // graph (a small screen) would otherwise cut them all to "…".
        for (int k = low; k <= high; k += 2)
            m_countAxis->append(QStringLiteral("10<sup>%1</sup>").arg(k), k);
        m_countAxis->setRange(low, high + 0.5);
        m_countLow = low;
        m_countHigh = high;
    }
    auto logOf = [low](double n) { return n > 0 ? std::max(double(low), std::log10(n)) : double(low); };
    QVector<QPointF> charged(ProfileSamples), muons(ProfileSamples);
    for (int i = 0; i < ProfileSamples; ++i) {
        charged[i] = QPointF(m_profileDepths[i], logOf(m_profileCharged[i]));
        muons[i] = QPointF(m_profileDepths[i], logOf(m_profileMuons[i]));
    }
    m_charged->replace(charged);
    m_muons->replace(muons);
    const double lo = s.xmaxMean_g_cm2 - s.xmaxSigma_g_cm2;
    const double hi = s.xmaxMean_g_cm2 + s.xmaxSigma_g_cm2;
    m_bandLow->replace(QVector<QPointF>{{lo, double(low)}, {hi, double(low)}});
    const double ceiling = high + 0.5;
    m_bandHigh->replace(QVector<QPointF>{{lo, ceiling}, {hi, ceiling}});
    m_xmaxLine->replace(QVector<QPointF>{{s.xmax_g_cm2, double(low)}, {s.xmax_g_cm2, ceiling}});
    m_groundLine->replace(QVector<QPointF>{{s.groundSlantDepth_g_cm2, double(low)}, {s.groundSlantDepth_g_cm2, ceiling}});
    setNiceRange(m_depthAxis, 0, std::max(s.groundSlantDepth_g_cm2, s.xmax_g_cm2) * 1.04);

    const double aboveGround_km = s.distanceXmax_km * std::cos(m_settings.zenith_deg * M_PI / 180);
    describeView(m_profileView, 
        tr("Maximum at %1 g/cm², %2 km above the ground; the mean is %3 ± %4 g/cm²; the ground lies at %5 g/cm² along the axis.")
            .arg(number(s.xmax_g_cm2, 0), number(aboveGround_km, 1), number(s.xmaxMean_g_cm2, 0),
                 number(s.xmaxSigma_g_cm2, 0), number(s.groundSlantDepth_g_cm2, 0)));
}

void ShowerExplorer::showFootprint()
{
    m_mapView->setFootprint(&m_footprint, m_antenna, m_locale);
    describeView(m_mapView, 
        tr("The footprint is brightest %1 at %2; the Cherenkov ring has a radius of %3 m; the chosen antenna is %4.")
            .arg(where(m_footprint.brightest), field(m_footprint.brightestField_uV_m),
                 number(m_summary.cherenkovRadius_m, 0), where(m_footprint.antennas.at(size_t(m_antenna)))));
}

void ShowerExplorer::showPulse()
{
    double largest = 1;
    double peaks[3] = {0, 0, 0};
    QVector<QPointF> points[3];
    for (auto &p : points)
        p.resize(PulseSamples);
    for (int i = 0; i < PulseSamples && i < int(m_pulse.size()); ++i) {
        const model::Vec3 &e = m_pulse[size_t(i)];
        const double c[3] = {e.east, e.north, e.up};
        for (int k = 0; k < 3; ++k) {
            points[k][i] = QPointF(m_pulseTimes[size_t(i)], c[k]);
            peaks[k] = std::max(peaks[k], std::abs(c[k]));
        }
    }
    for (int k = 0; k < 3; ++k) {
        m_pulseSeries[k]->replace(points[k]);
        largest = std::max(largest, peaks[k]);
    }
    setNiceRange(m_fieldAxis, -1.05 * largest, 1.05 * largest);
    const QString at = where(m_footprint.antennas.at(size_t(m_antenna)));
    m_pulseView->chart()->setTitle(tr("Pulse %1").arg(at));
    describeView(m_pulseView, tr("Pulse %1: peaks of %2 east–west, %3 north–south and %4 vertical.")
                                              .arg(at, field(peaks[0]), field(peaks[1]), field(peaks[2])));
}

void ShowerExplorer::showNumbers()
{
    const model::ShowerSummary &s = m_summary;
    const QString values[QuantityCount] = {
        tr("%1 g/cm²").arg(number(s.xmax_g_cm2, 0)),
        tr("%1 ± %2 g/cm²").arg(number(s.xmaxMean_g_cm2, 0), number(s.xmaxSigma_g_cm2, 0)),
        tr("%1 km").arg(number(s.heightXmax_km, 1)),
        tr("%1 km").arg(number(s.distanceXmax_km, 1)),
        scientific(s.nMax),
        scientific(s.electronsGround),
        scientific(s.muonsGround),
        QStringLiteral("%1°").arg(number(s.alpha_deg, 0)),
        number(s.chargeExcessFraction, 2),
        QStringLiteral("%1°").arg(number(s.cherenkovAngle_deg, 2)),
        tr("%1 m").arg(number(s.cherenkovRadius_m, 0)),
        tr("%1 MeV").arg(number(s.radiationEnergy_MeV, s.radiationEnergy_MeV < 10 ? 2 : 1)),
        field(s.peakField_uV_m),
        tr("%1 km²").arg(number(s.footprintArea_km2, s.footprintArea_km2 < 1 ? 3 : 2)),
    };
    QStringList spoken;
    auto *grid = static_cast<QGridLayout *>(m_numbersPanel->layout());
    for (int i = 0; i < QuantityCount; ++i) {
        QString caption = tr(Quantities[i].caption);
        if (caption.contains(QLatin1String("%1")))
            caption = caption.arg(field(s.footprintThreshold_uV_m));
        auto *label = static_cast<QLabel *>(grid->itemAtPosition(i, 0)->widget());
        if (label->text() != caption)
            label->setText(caption);
        m_values[size_t(i)]->setText(values[i]);
        QString plain = caption;
        plain.remove(QStringLiteral("<sub>")).remove(QStringLiteral("</sub>"));
        m_values[size_t(i)]->setAccessibleName(plain);
        spoken << plain + QStringLiteral(": ") + values[i];
    }
    m_numbersPanel->setAccessibleDescription(spoken.join(QStringLiteral("; ")));
}

// ---------------------------------------------------------------------------------------------
// Export

void ShowerExplorer::exportView(QWidget *view)
{
    exporting::exportPane(window(), view, m_language == QLatin1String("ro") ? Language::Romanian : Language::English,
                          sound::Click);
}

QString ShowerExplorer::csv() const
{
    // Numbers in the C locale (decimal point), so that any program reads them back.
    QString text;
    QTextStream out(&text);
    const model::ShowerSummary &s = m_summary;
    const model::ShowerInput &in = m_model->input();
    out << "quantity,value\n";
    out << "energy_eV," << QString::number(in.energy_eV, 'g', 6) << '\n';
    out << "primary_mass_number," << model::massNumber(in.primary) << '\n';
    out << "hadronic_model," << m_hadronic->currentText() << '\n';
    out << "zenith_deg," << in.zenith_deg << '\n';
    out << "azimuth_deg," << in.azimuth_deg << '\n';
    out << "site," << m_site->currentText() << '\n';
    const double values[] = {s.xmax_g_cm2,         s.xmaxMean_g_cm2,         s.xmaxSigma_g_cm2,
                             s.groundSlantDepth_g_cm2, s.heightXmax_km,      s.distanceXmax_km,
                             s.nMax,               s.electronsGround,        s.muonsGround,
                             s.alpha_deg,          s.chargeExcessFraction,   s.cherenkovAngle_deg,
                             s.cherenkovRadius_m,  s.radiationEnergy_MeV,    s.peakField_uV_m,
                             s.footprintArea_km2,  s.footprintThreshold_uV_m};
    const char *keys[] = {"xmax_g_cm2",        "xmax_mean_g_cm2",        "xmax_sigma_g_cm2",
                          "ground_slant_depth_g_cm2", "xmax_height_km",  "xmax_distance_km",
                          "n_max",             "electrons_ground",       "muons_ground",
                          "alpha_deg",         "charge_excess_fraction", "cherenkov_angle_deg",
                          "cherenkov_radius_m", "radiation_energy_MeV",  "peak_field_uV_m",
                          "footprint_area_km2", "footprint_threshold_uV_m"};
    for (size_t i = 0; i < sizeof values / sizeof values[0]; ++i)
        out << keys[i] << ',' << QString::number(values[i], 'g', 6) << '\n';
    const QPointF at = m_footprint.antennas.at(size_t(m_antenna));
    out << "antenna_east_m," << at.x() << "\nantenna_north_m," << at.y() << '\n';

    out << "\nslant_depth_g_cm2,charged_particles,muons\n";
    for (int i = 0; i < ProfileSamples; ++i)
        out << QString::number(m_profileDepths[size_t(i)], 'f', 1) << ',' << QString::number(m_profileCharged[size_t(i)], 'g', 6)
            << ',' << QString::number(m_profileMuons[size_t(i)], 'g', 6) << '\n';
    out << "\ntime_ns,east_west_uV_m,north_south_uV_m,vertical_uV_m\n";
    for (size_t i = 0; i < m_pulse.size(); ++i)
        out << QString::number(m_pulseTimes[i], 'f', 1) << ',' << QString::number(m_pulse[i].east, 'g', 6) << ','
            << QString::number(m_pulse[i].north, 'g', 6) << ',' << QString::number(m_pulse[i].up, 'g', 6) << '\n';
    out.flush();
    return text;
}

bool ShowerExplorer::writeCsv(const QString &fileName, QString *reason) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    const QByteArray bytes = csv().toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (reason)
            *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

void ShowerExplorer::exportCsv()
{
    sound::play(sound::Click);
    const Language language = m_language == QLatin1String("ro") ? Language::Romanian : Language::English;
    const QString fileName = exporting::askSaveName(
        window(), tr("Save numbers"), tr("CSV files (*.csv)"), language, [](QString name, const QString &) {
            while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
                name.chop(1);
            if (!name.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
                name += QStringLiteral(".csv");
            return name;
        });
    if (fileName.isEmpty())
        return;
    QString reason;
    if (!writeCsv(fileName, &reason))
        QMessageBox::warning(window(), tr("Save numbers"),
                             tr("The numbers could not be saved.") + QLatin1Char('\n') + fileName + QLatin1Char('\n') + reason);
}

// ---------------------------------------------------------------------------------------------
// The ground map

FootprintView::FootprintView(QWidget *parent) : QChartView(parent)
{
    QChart *chart = newChart(QCoreApplication::translate("explorer::ShowerExplorer", "Ground footprint"));
    chart->setBackgroundVisible(false); // the map is drawn under the chart, see drawBackground
    chart->legend()->hide();
    m_ring = newLine(chart, QString(), Qt::white, 2, Qt::DashLine);
    m_east = new QValueAxis(chart);
    m_north = new QValueAxis(chart);
    styleAxis(m_east, QCoreApplication::translate("explorer::ShowerExplorer", "East of the core (m)"));
    styleAxis(m_north, QCoreApplication::translate("explorer::ShowerExplorer", "North of the core (m)"));
    for (QValueAxis *axis : {m_east, m_north}) {
        axis->setLabelFormat(QStringLiteral("%.0f"));
        axis->setRange(-500, 500);
        axis->setTickAnchor(0);
        axis->setTickInterval(250);
        axis->setTickType(QValueAxis::TicksDynamic);
        // No grid over the colour map: the ticks, the scale bar and the ring place it.
        axis->setGridLineVisible(false);
    }
    chart->addAxis(m_east, Qt::AlignBottom);
    chart->addAxis(m_north, Qt::AlignLeft);
    attach(m_ring, m_east, m_north);
    // The view came with a default chart of its own; setChart() gives up its ownership of it
    // without deleting it.
    QChart *defaultChart = this->chart();
    setChart(chart);
    delete defaultChart;
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setFrameShape(QFrame::NoFrame);
    setMinimumSize(360, 440);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundBrush(ChartBackground);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setMargins(QMargins(4, 2, 10, 84)); // room below for the colour scale and the key
    connect(chart, &QChart::plotAreaChanged, this, &FootprintView::fitRanges);
}

void FootprintView::setFootprint(const Footprint *footprint, int selected, const QLocale &locale)
{
    m_footprint = footprint;
    m_selected = selected;
    m_locale = locale;
    fitRanges(chart()->plotArea());
    m_ring->replace(QVector<QPointF>(footprint->ring.begin(), footprint->ring.end()));
    viewport()->update();
}

void FootprintView::fitRanges(const QRectF &plot)
{
    // A metre is as long east as north: the map's square sits in the middle of the plot area,
    // and the longer side's axis reaches further out.
    if (!m_footprint || plot.width() < 1 || plot.height() < 1)
        return;
    const double half = m_footprint->half_m;
    const double ratio = plot.width() / plot.height();
    const double east = ratio >= 1 ? half * ratio : half;
    const double north = ratio >= 1 ? half : half / ratio;
    const double step = niceBelow(half / 2);
    for (auto [axis, reach] : {std::pair<QValueAxis *, double>{m_east, east}, {m_north, north}}) {
        if (std::abs(axis->max() - reach) > 0.005 * reach)
            axis->setRange(-reach, reach);
        if (axis->tickInterval() != step)
            axis->setTickInterval(step);
    }
}

void FootprintView::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    fitRanges(chart()->plotArea());
}

void FootprintView::drawBackground(QPainter *painter, const QRectF &rect)
{
    painter->fillRect(rect, ChartBackground);
    if (!m_footprint || m_footprint->map.isNull())
        return;
    // The map is enlarged (bilinear) once per change to the pixels it covers, then copied
    // unscaled on every repaint.
    const double half = m_footprint->half_m;
    const QRect target = QRectF(chart()->mapToPosition(QPointF(-half, half), m_ring),
                                chart()->mapToPosition(QPointF(half, -half), m_ring)).toRect();
    if (target.isEmpty())
        return;
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (m_mapKey != m_footprint->map.cacheKey() || m_scaledMap.size() != pixels) {
        m_scaledMap = QImage(pixels, QImage::Format_RGB32);
        QPainter enlarge(&m_scaledMap);
        enlarge.setRenderHint(QPainter::SmoothPixmapTransform);
        enlarge.drawImage(m_scaledMap.rect(), m_footprint->map);
        enlarge.end();
        m_scaledMap.setDevicePixelRatio(ratio);
        m_mapKey = m_footprint->map.cacheKey();
    }
    painter->drawImage(target.topLeft(), m_scaledMap);
}

namespace {

void haloText(QPainter *painter, const QPointF &at, const QString &text, const QColor &colour = Qt::white)
{
    // A dark rim from the text drawn four times around its place: cheap, the glyphs are cached.
    painter->setPen(QColor(0, 0, 0, 220));
    for (const QPointF &offset : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        painter->drawText(at + offset, text);
    painter->setPen(colour);
    painter->drawText(at, text);
}

} // namespace

// The round marks (a vertical field's ring with its dot or cross, the chosen antenna's ring)
// are drawn once per size into small pictures and then copied. Stroked anew on every repaint,
// the dozens of them were the costliest part of the map.
void FootprintView::drawMark(QPainter *painter, QPointF centre, Mark mark, double radius)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const int halfSteps = int(std::lround(radius * 2));
    const quint64 key = (quint64(mark) << 48) | (quint64(std::lround(ratio * 100)) << 24) | quint64(halfSteps);
    auto found = m_marks.find(key);
    if (found == m_marks.end()) {
        const double r = halfSteps / 2.0;
        const double rim = mark == Mark::Chosen ? 4.5 : 3.5;
        const int side = int(std::ceil(2 * (r + rim))) + 4;
        QImage image(QSize(side, side) * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c(side / 2.0, side / 2.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(mark == Mark::Chosen ? QColor(Qt::black) : QColor(0, 0, 0, 200), rim));
        p.drawEllipse(c, r, r);
        const QColor colour = mark == Mark::Chosen ? Amber : Pink;
        p.setPen(QPen(colour, mark == Mark::Chosen ? 2.5 : 1.8));
        p.drawEllipse(c, r, r);
        if (mark == Mark::Up) {
            p.setBrush(colour);
            p.drawEllipse(c, 1.6, 1.6);
        } else if (mark == Mark::Down) {
            const double d = r * 0.7;
            p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
            p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
        }
        p.end();
        if (m_marks.size() > 256)
            m_marks.clear();
        found = m_marks.insert(key, image);
    }
    const QImage &image = found.value();
    painter->drawImage(centre - QPointF(image.width(), image.height()) / (2 * ratio), image);
}

void FootprintView::drawForeground(QPainter *painter, const QRectF &)
{
    if (!m_footprint || m_footprint->antennas.empty())
        return;
    const Footprint &f = *m_footprint;
    const QRectF plot = chart()->plotArea();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QFont font = painter->font();
    font.setPointSizeF(9);
    painter->setFont(font);

    // Polarisation: the horizontal field as a line along its direction, the vertical field
    // apart from it as a circle (a dot for up, a cross for down), both to one scale.
    const double spacingPx = (chart()->mapToPosition(QPointF(f.half_m, 0), m_ring).x() -
                              chart()->mapToPosition(QPointF(0, 0), m_ring).x()) / 4;
    double largest = 1e-9;
    for (const model::Vec3 &e : f.fields)
        largest = std::max({largest, std::hypot(e.east, e.north), std::abs(e.up)});
    const double scale = 0.45 * spacingPx / largest;
    for (size_t i = 0; i < f.antennas.size(); ++i) {
        const QPointF c = chart()->mapToPosition(f.antennas[i], m_ring);
        const model::Vec3 &e = f.fields[i];
        const QPointF h(e.east * scale, -e.north * scale);
        painter->setPen(QPen(QColor(0, 0, 0, 200), 4.5, Qt::SolidLine, Qt::FlatCap));
        painter->drawLine(c - h, c + h);
        painter->setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::FlatCap));
        painter->drawLine(c - h, c + h);
        const double r = std::abs(e.up) * scale;
        if (r >= 2)
            drawMark(painter, c + QPointF(0.3 * spacingPx, 0), e.up > 0 ? Mark::Up : Mark::Down, r);
        painter->fillRect(QRectF(c.x() - 3, c.y() - 3, 6, 6), Qt::black);
        painter->fillRect(QRectF(c.x() - 2, c.y() - 2, 4, 4), Qt::white);
        if (int(i) == m_selected)
            drawMark(painter, c, Mark::Chosen, 10);
    }

    // Compass in the upper right corner: the map's up is north, its right east.
    const QPointF c = plot.topRight() + QPointF(-30, 42);
    painter->setPen(QPen(Qt::white, 2));
    painter->drawLine(c, c + QPointF(0, -22));
    painter->drawLine(c, c + QPointF(20, 0));
    painter->setBrush(Qt::white);
    painter->drawPolygon(QPolygonF({c + QPointF(0, -26), c + QPointF(-4, -18), c + QPointF(4, -18)}));
    const QString northLetter = QCoreApplication::translate("explorer::ShowerExplorer", "N", "compass: north");
    const QString eastLetter = QCoreApplication::translate("explorer::ShowerExplorer", "E", "compass: east");
    haloText(painter, c + QPointF(-4, -29), northLetter);
    haloText(painter, c + QPointF(22, 4), eastLetter);

    // Scale bar in the lower left corner.
    const double metres = niceBelow(f.half_m / 2);
    const double px = 4 * spacingPx * metres / f.half_m;
    const QPointF s = plot.bottomLeft() + QPointF(12, -14);
    painter->setPen(QPen(QColor(0, 0, 0, 200), 5));
    painter->drawLine(s, s + QPointF(px, 0));
    painter->setPen(QPen(Qt::white, 2.5));
    painter->drawLine(s, s + QPointF(px, 0));
    painter->drawLine(s + QPointF(0, -5), s + QPointF(0, 5));
    painter->drawLine(s + QPointF(px, -5), s + QPointF(px, 5));
    haloText(painter, s + QPointF(0, -8),
             QCoreApplication::translate("explorer::ShowerExplorer", "%1 m").arg(m_locale.toString(metres, 'f', 0)));

    // Colour scale and key below the axis.
    const QRectF bar(plot.left(), plot.bottom() + 50, plot.width(), 11);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (int i = 0; i <= 8; ++i)
        gradient.setColorAt(i / 8.0, QColor(colourOf(i / 8.0)));
    painter->setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter->setBrush(gradient);
    painter->drawRect(bar);
    painter->setPen(TextColour);
    const QFontMetricsF metrics(painter->font());
    const QString maxText = m_locale.toString(f.maxFluence_eV_m2, 'f', f.maxFluence_eV_m2 < 10 ? 2 : 0);
    const QString title = QCoreApplication::translate("explorer::ShowerExplorer", "Energy fluence (eV/m²)");
    const double baseline = bar.bottom() + metrics.ascent() + 2;
    painter->drawText(QPointF(bar.left(), baseline), m_locale.toString(0));
    painter->drawText(QPointF(bar.right() - metrics.horizontalAdvance(maxText), baseline), maxText);
    painter->drawText(QPointF(bar.center().x() - metrics.horizontalAdvance(title) / 2, baseline), title);
    const QString key = QCoreApplication::translate(
        "explorer::ShowerExplorer", "Lines: horizontal field. Circles: vertical field (dot up, cross down). Amber ring: chosen antenna.");
    painter->drawText(QRectF(8, baseline + 4, chart()->size().width() - 16, metrics.height() * 2 + 2),
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, key);

    if (hasFocus()) {
        painter->setPen(QPen(Amber, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(plot.adjusted(-1, -1, 1, 1));
    }
    painter->restore();
}

void FootprintView::mousePressEvent(QMouseEvent *event)
{
    if (m_footprint && event->button() == Qt::LeftButton) {
        const QPointF at = mapToScene(qtcompat::mousePosition(event).toPoint());
        int best = -1;
        double bestDistance = 1e18;
        for (size_t i = 0; i < m_footprint->antennas.size(); ++i) {
            const QPointF c = chart()->mapToPosition(m_footprint->antennas[i], m_ring);
            const double d = std::hypot(c.x() - at.x(), c.y() - at.y());
            if (d < bestDistance) {
                bestDistance = d;
                best = int(i);
            }
        }
        setFocus(Qt::MouseFocusReason);
        if (best >= 0)
            emit antennaChosen(best);
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

void FootprintView::keyPressEvent(QKeyEvent *event)
{
    int row = m_selected / AntennaRows;
    int col = m_selected % AntennaRows;
    switch (event->key()) {
    case Qt::Key_Left: col = std::max(0, col - 1); break;
    case Qt::Key_Right: col = std::min(AntennaRows - 1, col + 1); break;
    case Qt::Key_Up: row = std::max(0, row - 1); break;
    case Qt::Key_Down: row = std::min(AntennaRows - 1, row + 1); break;
    default: QChartView::keyPressEvent(event); return;
    }
    event->accept();
    emit antennaChosen(row * AntennaRows + col);
}

void FootprintView::focusInEvent(QFocusEvent *event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void FootprintView::focusOutEvent(QFocusEvent *event)
{
    QChartView::focusOutEvent(event);
    viewport()->update();
}

} // namespace explorer
