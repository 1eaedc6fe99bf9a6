// Renders every screen offscreen to one PNG per screen and per interesting state, for review
// and for the README:  QT_QPA_PLATFORM=offscreen showerscope_gallery <folder>
#include "chooser/mainwindow.h"
#include "common/fonts.h"
#include "common/sound.h"
#include "en/comparison.h"
#include "en/conex.h"
#include "en/credits.h"
#include "en/detection.h"
#include "en/intro.h"
#include "en/media.h"
#include "en/menu.h"
#include "en/properties.h"
#include "en/radio.h"
#include "en/references.h"
#include "en/results.h"
#include "en/simulations.h"
#include "en/vxb.h"
#include "ro/comparison.h"
#include "ro/conex.h"
#include "ro/credits.h"
#include "ro/detection.h"
#include "ro/intro.h"
#include "ro/media.h"
#include "ro/menu.h"
#include "ro/properties.h"
#include "ro/radio.h"
#include "ro/references.h"
#include "ro/results.h"
#include "ro/simulations.h"
#include "ro/vxb.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextStream>
#include <functional>
#include <memory>

namespace {

// One picture: a screen, the buttons to press first (object names, in order), a file name.
struct Shot {
    QString file;
    std::function<QWidget *()> make;
    QStringList presses;
    int scrollTo = 0; // fraction in percent of the first scroll area's range
};

template <class T>
std::function<QWidget *()> make()
{
    return [] { return static_cast<QWidget *>(new T(nullptr)); };
}

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool render(const Shot &shot, const QDir &out)
{
    std::unique_ptr<QWidget> screen(shot.make());
    if (auto *chooser = qobject_cast<MainWindow *>(screen.get()))
        chooser->setStyleSheet(QStringLiteral("background-image:url(:bk5.jpg)"));
    screen->show();
    settle(50);
    for (const QString &name : shot.presses) {
        auto *button = screen->findChild<QAbstractButton *>(name);
        if (!button) {
            QTextStream(stderr) << shot.file << ": no button " << name << "\n";
            return false;
        }
        button->click();
        settle(30);
    }
    if (shot.scrollTo > 0) {
        if (auto *area = screen->findChild<QScrollArea *>()) {
            QScrollBar *bar = area->verticalScrollBar();
            bar->setValue(bar->maximum() * shot.scrollTo / 100);
        }
    }
    settle(400); // let animations advance a few frames
    const bool ok = screen->grab().save(out.filePath(shot.file));
    screen->close();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    fonts::installSubstitutes();
    QApplication app(argc, argv);
    sound::setBackend([](const QString &) {});
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery"));
    QDir().mkpath(out.path());

    const QList<Shot> shots = {
        {"chooser.png", make<MainWindow>(), {}},
        {"menu-en.png", make<Dialog>(), {}},
        {"menu-ro.png", make<Dialogr>(), {}},
        {"intro-en.png", make<Dialog8>(), {}},
        {"intro-en-bottom.png", make<Dialog8>(), {}, 100},
        {"intro-ro.png", make<Dialogr5>(), {}},
        {"properties-en.png", make<Dialog1>(), {"pushButton_2"}},
        {"properties-en-nkg.png", make<Dialog1>(), {"pushButton_6"}},
        {"properties-ro.png", make<Dialogr1>(), {"pushButton_7"}},
        {"conex-en.png", make<Dialog13>(), {}},
        {"conex-en-zenith.png", make<Dialog13>(), {}, 80},
        {"conex-ro.png", make<Dialogr13>(), {}},
        {"radio-en.png", make<Dialog7>(), {"pushButton"}},
        {"radio-ro.png", make<Dialogr2>(), {"pushButton_2"}},
        {"results-en.png", make<Dialog10>(), {}},
        {"results-ro.png", make<Dialogr10>(), {}},
        {"vxb-en.png", make<Dialog9>(), {"pushButton_2"}},
        {"vxb-en-rotation.png", make<Dialog9>(), {"pushButton_9"}},
        {"vxb-ro.png", make<Dialogr9>(), {"pushButton_10"}},
        {"simulations-en.png", make<Dialog11>(), {"checkBox_3", "checkBox_2", "pushButton_4"}},
        {"simulations-ro.png", make<Dialogr11>(), {"checkBox", "checkBox_4", "pushButton_7"}},
        {"comparison-en.png", make<Dialog12>(), {"checkBox_3", "checkBox_6", "pushButton_3"}},
        {"comparison-ro.png", make<Dialogr12r>(), {"checkBox", "checkBox_2", "pushButton_7"}},
        {"detection-en.png", make<Dialog4>(), {}},
        {"detection-ro.png", make<Dialogr4>(), {}},
        {"credits-en.png", make<Dialog5>(), {}},
        {"credits-ro.png", make<Dialogr6>(), {}},
        {"references-en.png", make<Dialog6>(), {}},
        {"references-ro.png", make<Dialogr7>(), {}},
        {"media-en.png", make<Dialog2>(), {"pushButton_2"}},
        {"media-ro.png", make<Dialogr3>(), {"pushButton"}},
    };
    int failures = 0;
    for (const Shot &shot : shots) {
        if (!render(shot, out)) {
            ++failures;
            QTextStream(stderr) << "failed: " << shot.file << "\n";
        }
    }
    QTextStream(stdout) << shots.size() - failures << " pictures in " << out.absolutePath() << "\n";
    return failures == 0 ? 0 : 1;
}
