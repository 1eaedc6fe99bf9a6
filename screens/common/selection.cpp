#include "selection.h"

#include "look.h"
#include "marking.h"
#include "panes.h"
#include "sound.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace selection {
namespace {

const char *const ResourceProperty = "showerscope.resource";
const char *const HintName = "selectionHint";

QCheckBox *box(QWidget *screen, const char *name)
{
    return screen->findChild<QCheckBox *>(QString::fromLatin1(name));
}

} // namespace

const Browser &simulations()
{
    static const Browser browser{
        Media::Animation,
        {
            {"checkBox", Side::Left, // Polarizations, proton
             {":/pol_prot_z10.gif", ":/pol_prot_z20.gif", ":/pol_prot_z30.gif", ":/pol_prot_z40.gif",
              ":/pol_prot_z50.gif", ":/pol_prot_z60.gif", ":/pol_prot_z70.gif"}},
            {"checkBox_2", Side::Right, // Polarizations, iron
             {":/pol_iron_z10.gif", ":/pol_iron_z20.gif", ":/pol_iron_z30.gif", ":/pol_iron_z40.gif",
              ":/pol_iron_z50.gif", ":/pol_iron_z60.gif", ":/pol_iron_z70.gif"}},
            {"checkBox_3", Side::Left, // Amp. and Time, proton
             {":/ampt_prot_z10.gif", ":/ampt_prot_z20.gif", ":/ampt_prot_z30.gif", ":/ampt_prot_z40.gif",
              ":/ampt_prot_z50.gif", ":/ampt_prot_z60.gif", ":/ampt_prot_z70.gif"}},
            {"checkBox_4", Side::Right, // Amp. and Time, iron
             {":/ampt_iron_z10.gif", ":/ampt_iron_z20.gif", ":/ampt_iron_z30.gif", ":/ampt_iron_z40.gif",
              ":/ampt_iron_z50.gif", ":/ampt_iron_z60.gif", ":/ampt_iron_z70.gif"}},
        },
        {
            {"checkBox_4", {"checkBox_2"}},
            {"checkBox", {"checkBox_3"}},
            {"checkBox_3", {"checkBox"}},
            {"checkBox_2", {"checkBox_4"}},
        },
    };
    return browser;
}

const Browser &comparison()
{
    static const Browser browser{
        Media::Picture,
        {
            {"checkBox", Side::Left, // CoREAS/VXB, proton
             {":/GEOM_ASK_EW_VS_NS_Zen10_p.png", ":/GEOM_ASK_EW_VS_NS_Zen20_p.png",
              ":/GEOM_ASK_EW_VS_NS_Zen30_p.png", ":/GEOM_ASK_EW_VS_NS_Zen40_p.png",
              ":/GEOM_ASK_EW_VS_NS_Zen50_p.png", ":/GEOM_ASK_EW_VS_NS_Zen60_p.png",
              ":/GEOM_ASK_EW_VS_NS_Zen70_p.png"}},
            {"checkBox_2", Side::Right, // CoREAS/VXB, iron
             {":/GEOM_ASK_EW_VS_NS_Zen10_i.png", ":/GEOM_ASK_EW_VS_NS_Zen20_i.png",
              ":/GEOM_ASK_EW_VS_NS_Zen30_i.png", ":/GEOM_ASK_EW_VS_NS_Zen40_i.png",
              ":/GEOM_ASK_EW_VS_NS_Zen50_i.png", ":/GEOM_ASK_EW_VS_NS_Zen60_i.png",
              ":/GEOM_ASK_EW_VS_NS_Zen70_i.png"}},
            {"checkBox_3", Side::Left, // CoREAS vs. VXB, proton
             {":/LOG_COREAS_VS_LOG_VXB_Zenith10_p.png", ":/LOG_COREAS_VS_LOG_VXB_Zenith20_p.png",
              ":/LOG_COREAS_VS_LOG_VXB_Zenith30_p.png", ":/LOG_COREAS_VS_LOG_VXB_Zenith40_p.png",
              ":/LOG_COREAS_VS_LOG_VXB_Zenith50_p.png", ":/LOG_COREAS_VS_LOG_VXB_Zenith60_p.png",
              ":/LOG_COREAS_VS_LOG_VXB_Zenith70_p.png"}},
            {"checkBox_4", Side::Right, // CoREAS vs. VXB, iron
             {":/LOG_COREAS_VS_LOG_VXB_Zenith10_i.png", ":/LOG_COREAS_VS_LOG_VXB_Zenith20_i.png",
              ":/LOG_COREAS_VS_LOG_VXB_Zenith30_i.png", ":/LOG_COREAS_VS_LOG_VXB_Zenith40_i.png",
              ":/LOG_COREAS_VS_LOG_VXB_Zenith50_i.png", ":/LOG_COREAS_VS_LOG_VXB_Zenith60_i.png",
              ":/LOG_COREAS_VS_LOG_VXB_Zenith70_i.png"}},
            {"checkBox_5", Side::Left, // Pol contribution (%), proton
             {":/mean_10p.png", ":/mean_20p.png", ":/mean_30p.png", ":/mean_40p.png", ":/mean_50p.png",
              ":/mean_60p.png", ":/mean_70p.png"}},
            {"checkBox_6", Side::Right, // Pol contribution (%), iron
             {":/mean_10fe.png", ":/mean_20fe.png", ":/mean_30fe.png", ":/mean_40fe.png",
              ":/mean_50fe.png", ":/mean_60fe.png", ":/mean_70fe.png"}},
        },
        {
            {"checkBox_3", {"checkBox", "checkBox_5"}},
            {"checkBox_4", {"checkBox_2", "checkBox_6"}},
            {"checkBox", {"checkBox_3", "checkBox_5"}},
            {"checkBox_2", {"checkBox_4", "checkBox_6"}},
            {"checkBox_5", {"checkBox", "checkBox_3"}},
            {"checkBox_6", {"checkBox_4", "checkBox_2"}},
        },
    };
    return browser;
}

QString hintText(Language language)
{
    return language == Language::Romanian ? QStringLiteral("Alegeți mai sus particula primară")
                                          : QStringLiteral("Choose Proton or Iron above");
}

void prepare(QWidget *screen, Language language, const Panes &panes)
{
    QList<QAbstractButton *> zenith;
    for (const char *name : ZenithButtons)
        zenith.append(screen->findChild<QAbstractButton *>(QString::fromLatin1(name)));
    marking::keepLastPressedMarked(screen, zenith);

    auto *label = new QLabel(hintText(language), panes.left->parentWidget());
    label->setObjectName(QString::fromLatin1(HintName));
    label->setStyleSheet(look::hintStyleSheet());
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Remembers the panes it is centred over.
    label->setProperty("showerscope.leftPane", QVariant::fromValue<QObject *>(panes.left));
    label->setProperty("showerscope.rightPane", QVariant::fromValue<QObject *>(panes.right));
    label->hide();
}

QWidget *hint(QWidget *screen)
{
    return screen->findChild<QLabel *>(QString::fromLatin1(HintName));
}

namespace {

// Centres the hint over both panes, where the graphs will appear.
void showHint(QWidget *screen)
{
    QWidget *label = hint(screen);
    if (!label)
        return;
    QWidget *area = label->parentWidget();
    QRect panes;
    for (const char *property : {"showerscope.leftPane", "showerscope.rightPane"}) {
        if (auto *pane = qobject_cast<QWidget *>(label->property(property).value<QObject *>()))
            panes |= QRect(pane->mapTo(area, QPoint(0, 0)), pane->size());
    }
    label->adjustSize();
    label->move(panes.center() - QPoint(label->width() / 2, label->height() / 2));
    label->raise();
    label->show();
}

void hideHint(QWidget *screen)
{
    if (QWidget *label = hint(screen))
        label->hide();
}

} // namespace

void boxChanged(QWidget *screen, const Browser &browser, const QCheckBox *changed, int state)
{
    if (state == 0)
        return;
    hideHint(screen);
    const QString name = changed->objectName();
    for (const Exclusion &exclusion : browser.exclusions) {
        if (name != QLatin1String(exclusion.checkBox))
            continue;
        for (const char *other : exclusion.unchecks) {
            if (QCheckBox *otherBox = box(screen, other))
                otherBox->setChecked(false);
        }
    }
}

void zenithPressed(QWidget *screen, const Browser &browser, int zenithDegrees, const Panes &panes)
{
    const auto angle = std::find(ZenithAngles.begin(), ZenithAngles.end(), zenithDegrees);
    if (angle == ZenithAngles.end())
        return;
    const auto index = static_cast<std::size_t>(angle - ZenithAngles.begin());
    bool shown = false;
    for (const Step &step : browser.steps) {
        const QCheckBox *stepBox = box(screen, step.checkBox);
        if (!stepBox || !stepBox->isChecked())
            continue;
        const bool left = step.side == Side::Left;
        QGraphicsView *view = left ? panes.left : panes.right;
        QGraphicsView *owner = left ? panes.leftOwner : panes.rightOwner;
        const QString resource = QString::fromLatin1(step.resources[index]);
        sound::play(sound::Click);
        QGraphicsScene *scene = browser.media == Media::Animation
                                    ? pane::showMovie(view, resource, pane::Fit::Fitted, owner)
                                    : pane::showPicture(view, resource, pane::Fit::Fitted, owner);
        scene->setProperty(ResourceProperty, resource);
        shown = true;
    }
    if (shown) {
        hideHint(screen);
        return;
    }
    marking::undoPress(screen->findChild<QAbstractButton *>(QString::fromLatin1(ZenithButtons[index])));
    showHint(screen);
}

QString shownResource(const QGraphicsView *pane)
{
    const QGraphicsScene *scene = pane->scene();
    return scene ? scene->property(ResourceProperty).toString() : QString();
}

QStringList resources(const Browser &browser)
{
    QStringList names;
    for (const Step &step : browser.steps) {
        for (const char *name : step.resources)
            names.append(QString::fromLatin1(name));
    }
    return names;
}

} // namespace selection
