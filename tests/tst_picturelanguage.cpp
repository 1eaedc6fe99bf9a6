// Each screen shows the pictures of its own language: a Romanian screen the Romanian twin of a
// picture with words (the bundle's Romanian variant of the same path), an English screen the
// original, judged by the pixels each pane holds.
#include "testsupport.h"

#include "common/picturelanguage.h"
#include "common/qtcompat.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMovie>
#include <QTextEdit>
#include <QtTest>

namespace {

QImage movieStart(QMovie *movie)
{
    if (!movie)
        return {};
    movie->jumpToFrame(0);
    return movie->currentImage();
}

QImage labelImage(QLabel *label)
{
    if (label->movie())
        return movieStart(label->movie());
    return qtcompat::labelPixmap(label).toImage();
}

// The picture a pane holds: the still or the first frame of the animation of an image pane, the
// picture of a label, or the image a rich text pane has loaded for `picture`.
QImage heldPicture(QWidget *widget, const QString &picture)
{
    if (auto *view = qobject_cast<QGraphicsView *>(widget)) {
        const auto items = view->scene() ? view->scene()->items() : QList<QGraphicsItem *>();
        for (QGraphicsItem *item : items) {
            if (auto *still = qgraphicsitem_cast<QGraphicsPixmapItem *>(item))
                return still->pixmap().toImage();
            auto *proxy = qgraphicsitem_cast<QGraphicsProxyWidget *>(item);
            if (auto *label = proxy ? qobject_cast<QLabel *>(proxy->widget()) : nullptr)
                return labelImage(label);
        }
        return {};
    }
    if (auto *label = qobject_cast<QLabel *>(widget))
        return labelImage(label);
    if (auto *text = qobject_cast<QTextEdit *>(widget)) {
        const QVariant image = text->document()->resource(QTextDocument::ImageResource,
                                                          QUrl(QStringLiteral(":/") + picture));
        return image.canConvert<QImage>() ? image.value<QImage>() : image.value<QPixmap>().toImage();
    }
    return {};
}

// Mean difference per colour channel (0 to 255) between a held picture and a file's picture
// brought to the held size.
double difference(const QImage &held, const QImage &file)
{
    const QImage a = held.convertToFormat(QImage::Format_RGB32);
    const QImage b = file.scaled(held.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x]))
                   + std::abs(qBlue(p[x]) - qBlue(q[x]));
    }
    return sum / (3.0 * qMax(1, a.width() * a.height()));
}

} // namespace

class tst_PictureLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        usePictureLanguage(QStringLiteral("en"));
        closeStrayWindows();
    }

    // One picture of each family that draws words, on the English screen and its twin.
    void eachScreenShowsThePictureOfItsLanguage_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QStringList>("screens"); // English, Romanian
        QTest::addColumn<QString>("box");         // checked first, when given
        QTest::addColumn<QString>("button");      // pressed, when given
        QTest::addColumn<QString>("pane");

        QTest::newRow("simulation browser") << "pol_prot_z30.gif" << QStringList{"Dialog11", "Dialogr11"}
                                            << "checkBox" << "pushButton_3" << "graphicsView";
        QTest::newRow("comparison") << "mean_30p.png" << QStringList{"Dialog12", "Dialogr12r"}
                                    << "checkBox_5" << "pushButton_3" << "graphicsView";
        QTest::newRow("v x B graphs") << "Grafic_polar_EW-1.png" << QStringList{"Dialog9", "Dialogr9"}
                                      << "" << "pushButton_3" << "graphicsView";
        QTest::newRow("properties") << "gr3.jpg" << QStringList{"Dialog1", "Dialogr1"} << ""
                                    << "pushButton_4" << "graphicsView";
        QTest::newRow("CONEX page") << "Profile_electrons_(proton-E19).png"
                                    << QStringList{"Dialog13", "Dialogr13"} << "" << "" << "label_5";
        QTest::newRow("animations") << "Pair_Production.gif" << QStringList{"Dialog8", "Dialogr5"} << ""
                                    << "" << "graphicsView";
        QTest::newRow("equations") << "eq.JPG" << QStringList{"Dialog6", "Dialogr7"} << "" << ""
                                   << "textBrowser";
        QTest::newRow("results menu") << "logo.png" << QStringList{"Dialog10", "Dialogr10"} << "" << ""
                                      << "label_4";
    }

    void eachScreenShowsThePictureOfItsLanguage()
    {
        QFETCH(QString, picture);
        QFETCH(QStringList, screens);
        QFETCH(QString, box);
        QFETCH(QString, button);
        QFETCH(QString, pane);
        const QString twinPath = QStringLiteral(SHOWERSCOPE_SOURCE_DIR "/resources/ro/") + picture;
        if (!QFile::exists(twinPath))
            QSKIP("the bundle has no Romanian twin of this picture");
        const QImage original(QStringLiteral(SHOWERSCOPE_SOURCE_DIR "/resources/") + picture);
        const QImage twin(twinPath);
        QVERIFY(!original.isNull() && !twin.isNull());

        for (const bool romanian : {false, true}) {
            usePictureLanguage(romanian ? QStringLiteral("ro") : QStringLiteral("en"));
            std::unique_ptr<QDialog> screen = shownScreen(screens.at(romanian ? 1 : 0));
            QVERIFY(screen);
            if (!box.isEmpty())
                screen->findChild<QCheckBox *>(box)->setChecked(true);
            if (!button.isEmpty())
                screen->findChild<QAbstractButton *>(button)->click();
            auto *widget = screen->findChild<QWidget *>(pane);
            QVERIFY(widget);
            QImage held;
            QTRY_VERIFY((held = heldPicture(widget, picture)).width() > 0);
            const double toTwin = difference(held, twin);
            const double toOriginal = difference(held, original);
            const QByteArray what = QStringLiteral("%1 screen: %2 from the Romanian twin, %3 from the original")
                                        .arg(romanian ? "Romanian" : "English")
                                        .arg(toTwin, 0, 'f', 2)
                                        .arg(toOriginal, 0, 'f', 2)
                                        .toUtf8();
            QVERIFY2(romanian ? toTwin < toOriginal : toOriginal < toTwin, what.constData());
        }
    }
};

QTEST_MAIN(tst_PictureLanguage)
#include "tst_picturelanguage.moc"
