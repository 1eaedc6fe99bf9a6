// Drives the whole navigation tree at random with a fixed seed: menu entries, topic and zenith
// buttons, check boxes, wheel turns, exports into a temporary folder (answering the replace
// question both ways) and closing windows. Built with the sanitizers it shows memory faults and
// leaks; in both builds it checks at the end that the walk did what it is for:
//   - every window of the program was acted on (walks of 2000 actions or more),
//   - an export of each suffix was written and reads back as an image of that format,
//   - a replace question was answered No (file unchanged) and one Yes (file replaced),
//   - links were handed to the desktop's URL service,
//   - resident memory at the end is within 10 MB of that after the first round (the first
//     program run that ends with every window opened at least once and a tenth of the walk
//     done: the toolkit's caches fill as each kind of window first opens; plain build only,
//     the sanitizers keep freed memory on purpose).
// The walk depends only on the seed, never on timing: an action waits until the one before has
// been delivered, and windows are chosen by the modal stack, not by activation. The "path"
// figure is a checksum of every action taken, equal in plain and sanitizer builds.
//   tst_endurance [actions] [seed]      (defaults: 2000 actions, seed 20261208)
#include "chooser/mainwindow.h"
#include "common/exportimage.h"
#include "common/fonts.h"
#include "registry.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsView>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWheelEvent>
#include <QPixmapCache>

#include <malloc.h>
#include <memory>
#include <random>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

// Resident memory with every window closed: the pixmap cache (bounded by design) emptied and
// the allocator's free pages handed back, so that what remains is what the program still holds.
long residentKiB()
{
    QPixmapCache::clear();
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names typed into the save dialog. Those that exist from an earlier export raise the
// replace question; "e.gif" and "missing/g.png" must fail with a message.
struct Name {
    const char *typed;
    bool succeeds;
};
const Name Names[] = {{"a.png", true},  {"b.bmp", true},  {"c.JPEG", true},       {"d.jpg", true},
                      {"e.gif", false}, {"f", true},      {"missing/g.png", false}};
const char *const Filters[] = {"BMP Files (*.bmp)", "JPEG (*.JPEG)", "PNG (*.png)"};

class Driver : public QObject
{
public:
    Driver(long actions, unsigned seed) : m_remaining(actions), m_rng(seed) {}

    long done = 0;
    long exports = 0;
    long presses = 0;
    long failuresShown = 0;
    long unexpected = 0; // an export that did not end as its name says it must
    long answeredNo = 0, answeredYes = 0;
    int deepest = 0;
    QSet<QString> reached;
    QMap<QString, int> written; // suffix -> exports written and read back
    QCryptographicHash path{QCryptographicHash::Sha1};

    void tick()
    {
        if (m_busy)
            return;
        QWidget *top = QApplication::activeModalWidget();
        if (!top) {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && (!top || QString::fromLatin1(w->metaObject()->className()) <
                                                   QString::fromLatin1(top->metaObject()->className())))
                    top = w;
        }
        if (auto *box = qobject_cast<QMessageBox *>(top)) {
            answerMessage(box);
            return;
        }
        // An answered save dialog lives, hidden, until its export has written the file (or
        // shown why not): nothing else happens until then.
        if (m_dialog && !m_dialog->isVisible())
            return;
        if (auto *dialog = qobject_cast<QFileDialog *>(top)) {
            answerSaveDialog(dialog);
            return;
        }
        settleExport();
        if (!top)
            return;
        if (m_remaining <= 0) { // wind down: close from the top until nothing is left
            top->close();
            return;
        }
        --m_remaining;
        ++done;
        const QString screen = QString::fromLatin1(top->metaObject()->className());
        reached.insert(screen);
        int depth = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            depth += w->isVisible() && qobject_cast<QDialog *>(w) != nullptr;
        deepest = std::max(deepest, depth);

        const int roll = pick(100);
        if (roll < 6 + 3 * depth) {
            record(screen, QStringLiteral("close"));
            top->close();
            return;
        }
        if (roll < 16) {
            turnWheel(top, screen);
            return;
        }
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *b : top->findChildren<QAbstractButton *>())
            if (b->isVisibleTo(top) && b->isEnabled() && b->window() == top)
                buttons << b;
        if (buttons.isEmpty()) {
            record(screen, QStringLiteral("close"));
            top->close();
            return;
        }
        QAbstractButton *b = buttons[pick(buttons.size())];
        if (b->text().contains(QLatin1String("xport")))
            ++exports;
        ++presses;
        record(screen, b->objectName());
        // Clicked from its own zero timer: the click may run a nested modal loop, and Qt does
        // not fire this driver's timer again while its handler is still running. Nothing else
        // happens until the click has been delivered.
        QPointer<QAbstractButton> button(b);
        later([button] {
            if (button)
                button->click();
        });
    }

    // The export whose dialog was answered last, checked once its dialogs are gone.
    void settleExport()
    {
        if (m_expected.isEmpty())
            return;
        const bool exists = QFileInfo::exists(m_expected);
        const QByteArray now = readAll(m_expected);
        if (m_answer == Answer::No) {
            unexpected += now != m_before;
        } else if (m_succeeds) {
            QImageReader reader(m_expected);
            const QByteArray format = reader.format();
            const QString suffix = QFileInfo(m_expected).suffix().toLower();
            const bool good = exists && reader.canRead() && !reader.read().isNull() &&
                              (format == suffix.toLatin1() || (format == "jpeg" && suffix == QLatin1String("jpg")));
            if (good && m_answer == Answer::Yes && now == m_before)
                ++unexpected; // "replaced" but still the stale bytes
            if (good)
                ++written[suffix];
            else
                ++unexpected;
        } else {
            unexpected += exists || m_failuresBefore == failuresShown;
        }
        if (unexpected != m_unexpectedBefore)
            QTextStream(stderr) << "unexpected export: " << m_expected << " answer " << int(m_answer) << " exists "
                                << exists << " bytes " << now.size() << "\n";
        m_unexpectedBefore = unexpected;
        m_expected.clear();
    }

private:
    enum class Answer { None, No, Yes };

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    void record(const QString &screen, const QString &action)
    {
        path.addData((screen + QLatin1Char(' ') + action + QLatin1Char('\n')).toUtf8());
    }

    template <class F>
    void later(F action)
    {
        m_busy = true;
        QTimer::singleShot(0, this, [this, action] {
            m_busy = false;
            action();
        });
    }

    void turnWheel(QWidget *top, const QString &screen)
    {
        const QList<QGraphicsView *> views = top->findChildren<QGraphicsView *>();
        QWidget *target = views.isEmpty() ? top : views[pick(views.size())]->viewport();
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        const int delta = (pick(3) - 1) * 120;
        record(screen, QStringLiteral("wheel %1").arg(delta));
        QWheelEvent wheel(at, QPointF(target->mapToGlobal(at.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }

    void answerSaveDialog(QFileDialog *dialog)
    {
        const int choice = pick(int(std::size(Names)) + 1);
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        // Only image exports are checked here; the explorer's CSV export has tests of its own.
        const bool image = dialog->nameFilters().contains(QString::fromLatin1(Filters[0]));
        if (choice == int(std::size(Names)) || !edit || !image) {
            record(QStringLiteral("QFileDialog"), QStringLiteral("cancel"));
            dialog->reject();
            return;
        }
        const QString filter = QString::fromLatin1(Filters[pick(3)]);
        dialog->selectNameFilter(filter);
        const QString typed = m_folder.filePath(QString::fromLatin1(Names[choice].typed));
        edit->setText(typed);
        record(QStringLiteral("QFileDialog"), typed.mid(m_folder.path().size()) + QLatin1Char(' ') + filter);
        m_expected = exporting::completedName(typed, filter);
        m_succeeds = Names[choice].succeeds;
        m_before = readAll(m_expected);
        m_answer = Answer::None;
        m_failuresBefore = failuresShown;
        m_dialog = dialog;
        QPointer<QFileDialog> target(dialog);
        later([target] {
            if (target)
                QMetaObject::invokeMethod(target, "accept"); // may open a nested question
        });
    }

    void answerMessage(QMessageBox *box)
    {
        if (!(box->standardButtons() & QMessageBox::No)) {
            ++failuresShown;
            record(QStringLiteral("QMessageBox"), QStringLiteral("ok"));
            box->accept();
            return;
        }
        const bool yes = pick(2) == 1;
        record(QStringLiteral("QMessageBox"), yes ? QStringLiteral("yes") : QStringLiteral("no"));
        if (yes) {
            // Made stale first, so that a replace that wrote nothing shows.
            QFile stale(m_expected);
            if (stale.open(QIODevice::WriteOnly))
                stale.write("stale");
            stale.close();
            m_before = "stale";
            m_answer = Answer::Yes;
            ++answeredYes;
        } else {
            m_answer = Answer::No;
            ++answeredNo;
        }
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        // After "No" the save dialog comes back and is answered afresh: settle this one now.
        if (!yes)
            settleExport();
    }

    long m_remaining;
    std::mt19937 m_rng;
    QTemporaryDir m_folder;
    bool m_busy = false;
    QPointer<QFileDialog> m_dialog;
    QString m_expected;
    QByteArray m_before;
    bool m_succeeds = false;
    Answer m_answer = Answer::None;
    long m_failuresBefore = 0;
    long m_unexpectedBefore = 0;
};

} // namespace

int main(int argc, char **argv)
{
    const long actions = argc > 1 ? std::atol(argv[1]) : 2000;
    const unsigned seed = argc > 2 ? unsigned(std::atol(argv[2])) : 20261208u;
    QStandardPaths::setTestModeEnabled(true);
    fonts::installSubstitutes();
    QApplication app(argc, argv);
    SoundLog sounds;
    UrlCatcher links;
    Driver driver(actions, seed);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &driver, [&driver] { driver.tick(); });
    timer.start(1);

    int runs = 0;
    long firstRound = 0;
    while (driver.done < actions) {
        {
            MainWindow chooser(nullptr);
            chooser.setStyleSheet(QStringLiteral("background-image:url(:bk5.jpg)"));
            chooser.show();
            app.exec();
        }
        ++runs;
        if (qEnvironmentVariableIsSet("ENDURANCE_TRACE"))
            QTextStream(stderr) << "run " << runs << " after " << driver.done << " actions: " << residentKiB() << " KiB\n";
        if (!firstRound && driver.done >= actions / 10 && driver.reached.size() == allScreens().size())
            firstRound = residentKiB();
    }
    timer.stop();
    driver.settleExport();
    const int left = closeStrayWindows();
    const long last = residentKiB();

    QStringList missing;
    for (const ScreenEntry &entry : allScreens())
        if (!driver.reached.contains(entry.className))
            missing << entry.className;
    QStringList suffixes;
    for (auto it = driver.written.cbegin(); it != driver.written.cend(); ++it)
        suffixes << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());

    QTextStream out(stdout);
    out << "endurance: " << driver.done << " actions, " << runs << " runs of the program, " << driver.presses
        << " presses, " << driver.exports << " exports, " << sounds.sounds().size() << " sounds, "
        << links.urls.size() << " links, deepest " << driver.deepest << " windows, " << left << " windows left\n"
        << "  windows reached " << (allScreens().size() - missing.size()) << "/" << allScreens().size()
        << (missing.isEmpty() ? QString() : QStringLiteral(" (missing %1)").arg(missing.join(QLatin1Char(' '))))
        << "; written " << suffixes.join(QStringLiteral(", ")) << "; replace No " << driver.answeredNo << ", Yes "
        << driver.answeredYes << "; failures shown " << driver.failuresShown << "; unexpected " << driver.unexpected
        << "\n  resident " << firstRound / 1024.0 << " MB after the first round, " << last / 1024.0
        << " MB at the end; path " << driver.path.result().toHex().left(16) << "\n";

    QStringList failed;
    if (driver.done < actions || left != 0)
        failed << QStringLiteral("walk unfinished or windows left");
    if (driver.unexpected != 0)
        failed << QStringLiteral("an export did not end as expected");
    if (actions >= 2000) {
        if (!missing.isEmpty())
            failed << QStringLiteral("windows never reached");
        for (const char *suffix : {"png", "bmp", "jpeg", "jpg"})
            if (driver.written.value(QString::fromLatin1(suffix)) == 0)
                failed << QStringLiteral("no %1 written").arg(QString::fromLatin1(suffix));
        if (driver.answeredNo == 0 || driver.answeredYes == 0)
            failed << QStringLiteral("replace question not answered both ways");
        if (links.urls.isEmpty())
            failed << QStringLiteral("no link opened");
        if (!Sanitized && firstRound > 0 && last - firstRound > 10 * 1024)
            failed << QStringLiteral("resident memory grew by more than 10 MB");
    }
    for (const QString &reason : failed)
        out << "FAIL: " << reason << "\n";
    out << (failed.isEmpty() ? "1 passed, 0 failed" : "0 passed, 1 failed") << "\n";
    return failed.isEmpty() ? 0 : 1;
}
