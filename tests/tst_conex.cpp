#include "testsupport.h"

#include "common/graphlabels.h"
#include "common/qtcompat.h"
#include "en/conex.h"
#include "ro/conex.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QThreadPool>
#include <memory>

namespace {

const QVector<QPair<QString, QString>> &profileGraphs()
{
    static const QVector<QPair<QString, QString>> table = {
        {"label_4", ":/Proton&Fier_scala_logaritmica.png"},
        {"label_5", ":/Profile_electrons_(proton-E19).png"},
        {"label_6", ":/Profile_muons_(proton-E19).png"},
        {"label_7", ":/Profile_hadrons_(proton-E19).png"},
        {"label_8", ":/Muons_distribution(proton_Iron-E19-E20-E21).png"},
        {"label_9", ":/Electrons_distribution(proton_Iron-E19-E20-E21).png"},
        {"label_10", ":/Hadrons_distribution(proton_Iron-E19-E20-E21).png"},
        {"label_11", ":/Profile_electrons_(proton-E19-zenith-dependency).png"},
        {"label_12", ":/Profile_electrons_(iron-E19-zenith-dependency).png"},
        {"label_13", ":/Profile_Hadrons_(proton-E19-zenith-dependency).png"},
        {"label_14", ":/Profile_hadrons_(iron-E19-zenith-dependency).png"},
        {"label_15", ":/Profile_Muons_(proton-E19-zenith-dependency).png"},
        {"label_16", ":/Profile_muons_(iron-E19-zenith-dependency).png"},
        {"label_17", ":/comp_fier_proton_ne_nmu-1.png"},
    };
    return table;
}

// The screen, shown, once every picture of its page is set.
std::unique_ptr<QDialog> placedScreen(const QString &screen)
{
    auto dialog = shownScreen(screen);
    if (dialog && !QTest::qWaitFor([&] { return graphs::complete(dialog->findChild<QWidget *>("scrollAreaWidgetContents")); }, 5000))
        return nullptr;
    return dialog;
}

} // namespace

class ConexTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyGraphFitsItsLabel_data();
    void everyGraphFitsItsLabel();
    void resizingLeavesTheGraphsAlone_data();
    void resizingLeavesTheGraphsAlone();
    void closeReturnsSilently_data();
    void closeReturnsSilently();
    void closingBeforeThePicturesArriveIsSafe();
};

void ConexTest::cleanup()
{
    QCOMPARE(closeStrayWindows(), 0);
}

void ConexTest::everyGraphFitsItsLabel_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("picture");
    for (const QString &screen : {QStringLiteral("Dialog13"), QStringLiteral("Dialogr13")}) {
        for (const auto &graph : profileGraphs())
            QTest::addRow("%s %s", qPrintable(screen), qPrintable(graph.first)) << screen << graph.first << graph.second;
    }
}

void ConexTest::everyGraphFitsItsLabel()
{
    QFETCH(QString, screen);
    QFETCH(QString, label);
    QFETCH(QString, picture);

    const QPixmap original(picture);
    QVERIFY2(!original.isNull(), qPrintable(picture));
    auto dialog = placedScreen(screen);
    QVERIFY(dialog);
    auto *holder = dialog->findChild<QLabel *>(label);
    QVERIFY(holder);
    QVERIFY2(!qtcompat::labelPixmap(holder).isNull(), qPrintable(label));
    const QSize shown = qtcompat::labelPixmap(holder).size();
    const QSize room = holder->size();

    // The whole picture lies inside the label, with the picture's proportions...
    QVERIFY2(shown.width() <= room.width() && shown.height() <= room.height(),
             qPrintable(QStringLiteral("%1x%2 in %3x%4").arg(shown.width()).arg(shown.height())
                            .arg(room.width()).arg(room.height())));
    const double heightForWidth = double(shown.width()) * original.height() / original.width();
    QVERIFY2(qAbs(heightForWidth - shown.height()) <= 1.0,
             qPrintable(QStringLiteral("%1x%2 from %3x%4").arg(shown.width()).arg(shown.height())
                            .arg(original.width()).arg(original.height())));
    // ...and fills it in one direction (the label only grew a little once the window was shown).
    const double filled = qMax(double(shown.width()) / room.width(), double(shown.height()) / room.height());
    QVERIFY2(filled > 0.97, qPrintable(QString::number(filled)));
    // It is this label's picture, scaled the fast way.
    QCOMPARE(qtcompat::labelPixmap(holder).toImage(),
             original.scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation).toImage());
}

void ConexTest::resizingLeavesTheGraphsAlone_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("en") << "Dialog13";
    QTest::newRow("ro") << "Dialogr13";
}

void ConexTest::resizingLeavesTheGraphsAlone()
{
    QFETCH(QString, screen);

    auto dialog = placedScreen(screen);
    QVERIFY(dialog);
    QHash<QString, qint64> keys;
    QHash<QString, QSize> labelSizes;
    for (const auto &graph : profileGraphs()) {
        auto *label = dialog->findChild<QLabel *>(graph.first);
        keys.insert(graph.first, qtcompat::labelPixmap(label).cacheKey());
        labelSizes.insert(graph.first, label->size());
    }

    for (const QSize size : {QSize(1700, 1000), QSize(1212, 500)}) {
        dialog->resize(size);
        QTest::qWait(50);
        QCOMPARE(dialog->width(), size.width());
        for (const auto &graph : profileGraphs()) {
            auto *label = dialog->findChild<QLabel *>(graph.first);
            QCOMPARE(qtcompat::labelPixmap(label).cacheKey(), keys.value(graph.first));
        }
    }
    // The first resize widened the page, so the labels did change size underneath.
    dialog->resize(1700, 1000);
    QTest::qWait(50);
    auto *first = dialog->findChild<QLabel *>(QStringLiteral("label_4"));
    QVERIFY2(first->width() > labelSizes.value(QStringLiteral("label_4")).width(), "the window grew");
}

void ConexTest::closeReturnsSilently_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("en") << "Dialog13";
    QTest::newRow("ro") << "Dialogr13";
}

void ConexTest::closeReturnsSilently()
{
    QFETCH(QString, screen);

    auto dialog = shownScreen(screen);
    QVERIFY(dialog);
    SoundLog log;
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(log.events(), QStringList());
}

// The first view's pictures are there at once; the helpers' pictures arrive later or, when the
// screen closes first, never reach the destroyed labels.
void ConexTest::closingBeforeThePicturesArriveIsSafe()
{
    for (const char *screen : {"Dialog13", "Dialogr13", "Dialog13"}) {
        auto dialog = newScreen(screen);
        QVERIFY(dialog);
        QVERIFY(!qtcompat::labelPixmap(dialog->findChild<QLabel *>(QStringLiteral("label_4"))).isNull());
        dialog.reset();
        QCoreApplication::processEvents();
    }
    // the helpers finish, and what they queued lands now
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
}

QTEST_MAIN(ConexTest)
#include "tst_conex.moc"
