#pragma once

#include "charts.h"

#include "model/shower.h"

#include <QHash>
#include <QImage>
#include <QLocale>
#include <QWidget>

#include <initializer_list>
#include <memory>
#include <random>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTranslator;

// The live explorer of one air shower: controls for what a learner sets, and four views that
// follow every change at once (the longitudinal profile, the ground footprint, the pulse at a
// chosen antenna, a panel of numbers). The English and Romanian screens each hold one; every
// text goes through tr() and a catalogue from translations/, numbers follow the language's
// locale (decimal comma in Romanian).
namespace explorer {

// What the controls say; the defaults are what the screen opens with and what Reset restores.
struct Settings
{
    int energyStep = 13;   // lg(E/eV) = 17 + energyStep / 10, 0..30
    int primary = 0;       // model::Primary
    int hadronicModel = 0; // model::HadronicModel
    int zenith_deg = 30;   // 0..80
    int azimuth_deg = 270; // arrival direction from East, counter-clockwise, steps of 5
    int site = 0;          // model::Site
};

model::ShowerInput inputOf(const Settings &settings);
double lgEnergy(int energyStep);

// The ground map of one shower: energy fluence on a square grid centred on the core, the
// Cherenkov ring, and the peak field at a square grid of antennas.
struct Footprint
{
    double half_m = 500;                 // the map spans -half_m..half_m in east and north
    QImage map;                          // fluence colours; row 0 is the north edge
    double maxFluence_eV_m2 = 0;
    std::vector<QPointF> antennas;       // east, north in metres
    std::vector<model::Vec3> fields;     // peak field at each antenna, uV/m
    QPolygonF ring;                      // the Cherenkov ellipse on the ground
    QPointF brightest;                   // where the fluence is largest
    double brightestField_uV_m = 0;
};

inline constexpr int AntennaRows = 7;    // the antenna grid is AntennaRows x AntennaRows
inline constexpr int MapPixels = 56;     // fluence samples along each side of the map
inline constexpr int DefaultAntenna = AntennaRows * (AntennaRows / 2) + AntennaRows / 2 + 1; // 1 east of the core

class FootprintView;

class ShowerExplorer : public QWidget
{
    Q_OBJECT

public:
    // `language`: "en", "ro", or any language with translations/showerscope_<language>.ts.
    explicit ShowerExplorer(const QString &language, QWidget *parent = nullptr);
    ~ShowerExplorer() override;

    const model::ShowerSummary &summary() const { return m_summary; }
    const Footprint &footprint() const { return m_footprint; }
    const QLocale &numberLocale() const { return m_locale; }
    int selectedAntenna() const { return m_antenna; }
    void selectAntenna(int index);
    // Milliseconds the last update spent in the model (views excluded).
    double lastComputeMs() const { return m_computeMs; }

    // The numbers and the profile and pulse series, as the CSV export writes them.
    QString csv() const;
    // Writes csv() to `fileName`; false with the reason when that fails.
    bool writeCsv(const QString &fileName, QString *reason = nullptr) const;

public slots:
    void newShower();
    void reset();

private:
    void buildControls(QWidget *panel);
    void buildNumbers(QWidget *panel);
    void setSettings(const Settings &settings);
    void settingsChanged();
    void recompute();
    void computePulse();
    void showControls();
    void showProfile();
    void showFootprint();
    void showPulse();
    void showNumbers();
    void holdViews(std::initializer_list<QChartView *> views);
    void releaseViews();
    void exportView(QWidget *view);
    void exportCsv();
    QString number(double value, int decimals) const;
    QString scientific(double value) const;
    QString field(double uV_m) const;
    QString where(QPointF position) const;

    QString m_language;
    QLocale m_locale;
    std::unique_ptr<QTranslator> m_translator;
    Settings m_settings;
    // This shower's X_max, in standard deviations from the mean; NaN while it is the mean.
    double m_xmaxDeviation;
    std::mt19937 m_random{20260101u};
    std::unique_ptr<model::ShowerModel> m_model;
    model::ShowerSummary m_summary{};
    Footprint m_footprint;
    int m_antenna = DefaultAntenna;
    std::vector<double> m_profileDepths;
    std::vector<double> m_profileCharged;
    std::vector<double> m_profileMuons;
    std::vector<double> m_pulseTimes;
    std::vector<model::Vec3> m_pulse;
    double m_computeMs = 0;
    bool m_updating = false;

    QSlider *m_energy = nullptr;
    QLabel *m_energyText = nullptr;
    QComboBox *m_primary = nullptr;
    QComboBox *m_hadronic = nullptr;
    QSlider *m_zenith = nullptr;
    QLabel *m_zenithText = nullptr;
    QSlider *m_azimuth = nullptr;
    QLabel *m_azimuthText = nullptr;
    QComboBox *m_site = nullptr;
    QPushButton *m_newShower = nullptr;
    QPushButton *m_reset = nullptr;

    QChartView *m_profileView = nullptr;
    QLineSeries *m_charged = nullptr;
    QLineSeries *m_muons = nullptr;
    QLineSeries *m_bandLow = nullptr;
    QLineSeries *m_bandHigh = nullptr;
    QAreaSeries *m_band = nullptr;
    QLineSeries *m_xmaxLine = nullptr;
    QLineSeries *m_groundLine = nullptr;
    QValueAxis *m_depthAxis = nullptr;
    QCategoryAxis *m_countAxis = nullptr;
    int m_countLow = 0;
    int m_countHigh = 0;

    FootprintView *m_mapView = nullptr;

    QChartView *m_pulseView = nullptr;
    QLineSeries *m_pulseSeries[3] = {};
    QValueAxis *m_timeAxis = nullptr;
    QValueAxis *m_fieldAxis = nullptr;

    std::vector<QChartView *> m_heldViews;

    QWidget *m_numbersPanel = nullptr;
    std::vector<QLabel *> m_values;
};

// The ground map: the fluence picture under the chart's metre axes, with the Cherenkov ring,
// the antennas and their polarisation, a compass, a scale bar and the colour scale drawn over
// it. The chosen antenna follows a click or the arrow keys.
class FootprintView : public QChartView
{
    Q_OBJECT

public:
    explicit FootprintView(QWidget *parent = nullptr);
    void setFootprint(const Footprint *footprint, int selected, const QLocale &locale);

signals:
    void antennaChosen(int index);

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    enum class Mark { Up, Down, Chosen };
    void fitRanges(const QRectF &plot);
    void drawMark(QPainter *painter, QPointF centre, Mark mark, double radius);

    const Footprint *m_footprint = nullptr;
    int m_selected = 0;
    QLocale m_locale;
    QValueAxis *m_east = nullptr;
    QValueAxis *m_north = nullptr;
    QLineSeries *m_ring = nullptr;
    QImage m_scaledMap;   // the map enlarged to the pixels it covers
    qint64 m_mapKey = 0;  // the map's cacheKey() when it was enlarged
    QHash<quint64, QImage> m_marks; // drawn marks by kind, screen scale and radius in half pixels
};

} // namespace explorer
