// Drives the whole navigation tree at random with a fixed seed: menu entries, topic and zenith
// buttons, check boxes, wheel turns, exports into a temporary folder and closing windows.
// Built with the sanitizers it shows memory faults and leaks; in the plain build it shows that
// no sequence of presses crashes or hangs.
//   tst_endurance [actions] [seed]      (defaults: 300 actions, seed 20261208)
#include "chooser/mainwindow.h"
#include "common/fonts.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QGraphicsView>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWheelEvent>
#include <memory>
#include <random>

namespace {

class Driver : public QObject
{
public:
    Driver(long actions, unsigned seed) : m_remaining(actions), m_rng(seed) {}

    long done = 0;
    long exports = 0;
    long opened = 0;
    int deepest = 0;

    void tick()
    {
        QWidget *top = QApplication::activeModalWidget();
        if (!top)
            top = QApplication::activeWindow();
        if (!top) {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    top = w;
        }
        if (!top)
            return;
        if (auto *dialog = qobject_cast<QFileDialog *>(top)) {
            answerSaveDialog(dialog);
            return;
        }
        if (auto *box = qobject_cast<QMessageBox *>(top)) {
            box->accept();
            return;
        }
        if (m_remaining <= 0) { // wind down: close from the top until nothing is left
            top->close();
            return;
        }
        --m_remaining;
        ++done;
        int depth = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            depth += w->isVisible() && qobject_cast<QDialog *>(w) != nullptr;
        deepest = std::max(deepest, depth);

        const int roll = pick(100);
        if (roll < 6 + 3 * depth) {
            top->close();
            return;
        }
        if (roll < 16) {
            turnWheel(top);
            return;
        }
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *b : top->findChildren<QAbstractButton *>())
            if (b->isVisibleTo(top) && b->isEnabled() && b->window() == top)
                buttons << b;
        if (buttons.isEmpty()) {
            top->close();
            return;
        }
        QAbstractButton *b = buttons[pick(buttons.size())];
        if (b->text().contains(QLatin1String("xport")))
            ++exports;
        ++opened;
        // Clicked from its own zero timer: the click may run a nested modal loop, and Qt does
        // not fire this driver's timer again while its handler is still running.
        QTimer::singleShot(0, b, &QAbstractButton::click);
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    void turnWheel(QWidget *top)
    {
        const QList<QGraphicsView *> views = top->findChildren<QGraphicsView *>();
        QWidget *target = views.isEmpty() ? top : views[pick(views.size())]->viewport();
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        const int delta = (pick(3) - 1) * 120;
        QWheelEvent wheel(at, QPointF(target->mapToGlobal(at.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }

    void answerSaveDialog(QFileDialog *dialog)
    {
        static const char *names[] = {"a.png", "b.bmp", "c.JPEG", "d.jpg", "e.xyz", "f", "missing/g.png"};
        const int choice = pick(8);
        if (choice == 7) {
            dialog->reject();
            return;
        }
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!edit) {
            dialog->reject();
            return;
        }
        edit->setText(m_folder.filePath(QString::fromLatin1(names[choice])));
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection); // may open a nested question
    }

    long m_remaining;
    std::mt19937 m_rng;
    QTemporaryDir m_folder;
};

} // namespace

int main(int argc, char **argv)
{
    const long actions = argc > 1 ? std::atol(argv[1]) : 300;
    const unsigned seed = argc > 2 ? unsigned(std::atol(argv[2])) : 20261208u;
    fonts::installSubstitutes();
    QApplication app(argc, argv);
    SoundLog sounds;
    UrlCatcher links;
    Driver driver(actions, seed);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &driver, [&driver] { driver.tick(); });
    timer.start(1);

    int runs = 0;
    while (driver.done < actions) {
        MainWindow chooser(nullptr);
        chooser.setStyleSheet(QStringLiteral("background-image:url(:bk5.jpg)"));
        chooser.show();
        app.exec();
        ++runs;
    }
    timer.stop();
    const int left = closeStrayWindows();
    QTextStream(stdout) << "endurance: " << driver.done << " actions, " << runs << " runs of the program, "
                        << driver.opened << " presses, " << driver.exports << " exports, "
                        << sounds.sounds().size() << " sounds, " << links.urls.size() << " links, deepest "
                        << driver.deepest << " windows, " << left << " windows left\n";
    const bool ok = driver.done >= actions && left == 0;
    QTextStream(stdout) << (ok ? "1 passed, 0 failed" : "0 passed, 1 failed") << "\n";
    return ok ? 0 : 1;
}
