// Renders every screen offscreen to one PNG per screen and per interesting state, for review
// and for the README:  QT_QPA_PLATFORM=offscreen showerscope_gallery <folder>
#include "chooser/mainwindow.h"
#include "common/look.h"
#include "common/picturelanguage.h"
#include "common/startup.h"
#include "common/sound.h"
#include "registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextStream>
#include <memory>

namespace {

// One picture: a screen, the buttons to press first (object names, in order), a file name.
struct Shot {
    QString file;
    QString className;
    QStringList presses;
    int scrollTo = 0; // fraction in percent of the first scroll area's range
};

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool render(const Shot &shot, const QDir &out)
{
    // Romanian screens show the Romanian pictures, as when their menu opened them.
    usePictureLanguage(shot.className.startsWith(QLatin1String("Dialogr")) ? QStringLiteral("ro")
                                                                           : QStringLiteral("en"));
    std::unique_ptr<QWidget> screen(makeScreen(shot.className));
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
    startup::beforeApplication();
    QApplication app(argc, argv);
    look::install();
    sound::setBackend([](const QString &) {});
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery"));
    QDir().mkpath(out.path());

    const QList<Shot> shots = {
        {"chooser.png", "MainWindow", {}},
        {"menu-en.png", "Dialog", {}},
        {"menu-ro.png", "Dialogr", {}},
        {"intro-en.png", "Dialog8", {}},
        {"intro-en-bottom.png", "Dialog8", {}, 100},
        {"intro-ro.png", "Dialogr5", {}},
        {"properties-en.png", "Dialog1", {"pushButton_2"}},
        {"properties-en-nkg.png", "Dialog1", {"pushButton_6"}},
        {"properties-ro.png", "Dialogr1", {"pushButton_7"}},
        {"conex-en.png", "Dialog13", {}},
        {"conex-en-zenith.png", "Dialog13", {}, 80},
        {"conex-ro.png", "Dialogr13", {}},
        {"radio-en.png", "Dialog7", {"pushButton"}},
        {"radio-ro.png", "Dialogr2", {"pushButton_2"}},
        {"radio-ro-mechanisms.png", "Dialogr2", {"pushButton"}},
        {"results-en.png", "Dialog10", {}},
        {"results-ro.png", "Dialogr10", {}},
        {"vxb-en.png", "Dialog9", {"pushButton_2"}},
        {"vxb-en-rotation.png", "Dialog9", {"pushButton_9"}},
        {"vxb-ro.png", "Dialogr9", {"pushButton_10"}},
        {"vxb-ro-rotation.png", "Dialogr9", {"pushButton_9"}},
        {"simulations-en.png", "Dialog11", {"checkBox_3", "checkBox_2", "pushButton_4"}},
        {"simulations-ro.png", "Dialogr11", {"checkBox", "checkBox_4", "pushButton_7"}},
        {"simulations-en-hint.png", "Dialog11", {"pushButton_4"}},
        {"comparison-en.png", "Dialog12", {"checkBox_3", "checkBox_6", "pushButton_3"}},
        {"comparison-ro.png", "Dialogr12r", {"checkBox", "checkBox_2", "pushButton_7"}},
        {"comparison-ro-hint.png", "Dialogr12r", {"pushButton_2"}},
        {"detection-en.png", "Dialog4", {}},
        {"detection-ro.png", "Dialogr4", {}},
        {"credits-en.png", "Dialog5", {}},
        {"credits-ro.png", "Dialogr6", {}},
        {"references-en.png", "Dialog6", {}},
        {"references-ro.png", "Dialogr7", {}},
        {"media-en.png", "Dialog2", {"pushButton_2"}},
        {"media-ro.png", "Dialogr3", {"pushButton"}},
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
