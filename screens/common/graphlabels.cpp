#include "graphlabels.h"

#include "access.h"

#include <QBitmap>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QMetaObject>
#include <QMutex>
#include <QPixmap>
#include <QPointer>
#include <QThreadPool>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

namespace graphs {
namespace {

const char *const LoaderName = "profilePageLoader";

struct Job {
    QPointer<QLabel> label; // read on the GUI thread only
    QString picture;
    QSize size;
};

struct Decoded {
    QImage scaled;
    QImage alphaMask; // null for an opaque picture
};

// Safe on any thread: only images.
Decoded decode(const Job &job)
{
    QImageReader reader(job.picture);
    const QImage picture = reader.read();
    Decoded result;
    result.scaled = picture.scaled(job.size, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (picture.hasAlphaChannel())
        result.alphaMask = picture.createAlphaMask();
    return result;
}

void place(QLabel *label, Decoded decoded)
{
    label->setPixmap(QPixmap::fromImage(std::move(decoded.scaled)));
    // The unscaled picture's transparency mask; an opaque picture leaves the label rectangular.
    label->setMask(decoded.alphaMask.isNull() ? QBitmap() : QBitmap::fromImage(decoded.alphaMask));
}

// Decodes pictures on the shared thread pool and sets each on its label from the GUI thread.
// Owned by the page. A helper posts its result only while the loader is alive, checked under a
// lock that the loader's destructor also takes, so nothing reaches a destroyed page; pictures not
// yet started when the page goes are skipped.
class Loader : public QObject
{
public:
    explicit Loader(QObject *page) : QObject(page), m_state(std::make_shared<State>())
    {
        setObjectName(QString::fromLatin1(LoaderName));
        m_state->loader = this;
    }
    ~Loader() override
    {
        const QMutexLocker lock(&m_state->mutex);
        m_state->loader = nullptr;
    }

    void start(const Job &job)
    {
        ++m_pending;
        QThreadPool::globalInstance()->start([state = m_state, job] {
            {
                const QMutexLocker lock(&state->mutex);
                if (!state->loader)
                    return;
            }
            Decoded decoded = decode(job);
            const QMutexLocker lock(&state->mutex);
            if (!state->loader)
                return;
            QMetaObject::invokeMethod(state->loader, [loader = state->loader, job, decoded = std::move(decoded)]() mutable {
                --loader->m_pending;
                if (job.label)
                    place(job.label, std::move(decoded));
            }, Qt::QueuedConnection);
        });
    }

    int pending() const { return m_pending; }

private:
    struct State {
        QMutex mutex;
        Loader *loader = nullptr; // null once the page is gone
    };
    std::shared_ptr<State> m_state;
    int m_pending = 0; // GUI thread only
};

} // namespace

void placeProfilePage(QWidget *page)
{
    static const struct {
        const char *label;
        const char *picture;
    } pictures[] = {
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
    // The labels must have their laid-out sizes before the screen is first shown. Putting the
    // page into its scroll area already lays it out at its minimum size; activating the layout
    // here keeps that true for a page that is not (yet) inside one.
    if (QLayout *layout = page->layout())
        layout->activate();

    // What the page shows before it is scrolled: its scroll area's viewport once the window is
    // laid out at its size; a page outside a scroll area shows everything.
    QRect firstView(QPoint(0, 0), page->size());
    if (QWidget *viewport = page->parentWidget()) {
        if (QLayout *windowLayout = page->window()->layout())
            windowLayout->activate();
        // Before the window is shown the viewport is not laid out yet; the scroll area is, and
        // it is a little larger than the viewport it will hold.
        QWidget *area = viewport->parentWidget() ? viewport->parentWidget() : viewport;
        firstView = QRect(-page->pos(), area->size());
    }

    // Decoding dominates the opening. The pictures the first view shows are decoded here, while
    // helper threads decode the others; each helper's picture is set when it is ready, which is
    // long before the user can scroll to it. Only images are made off this thread.
    auto *loader = new Loader(page);
    std::vector<Job> now;
    for (const auto &entry : pictures) {
        auto *label = page->findChild<QLabel *>(QString::fromLatin1(entry.label));
        if (!label)
            continue;
        Job job{label, QString::fromUtf8(entry.picture), label->size()};
        access::describePicture(label, job.picture);
        if (QRect(label->mapTo(page, QPoint(0, 0)), label->size()).intersects(firstView))
            now.push_back(job);
        else
            loader->start(job);
    }
    for (const Job &job : now)
        place(job.label, decode(job));
}

bool complete(QWidget *page)
{
    const auto *loader = static_cast<const Loader *>(
        page->findChild<QObject *>(QString::fromLatin1(LoaderName), Qt::FindDirectChildrenOnly));
    return !loader || loader->pending() == 0;
}

} // namespace graphs
