#include "graphlabels.h"

#include <QBitmap>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QThread>
#include <QWidget>

#include <atomic>
#include <future>
#include <vector>

namespace graphs {

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

    struct Job {
        QLabel *label;
        QString picture;
        QSize size;
        QImage scaled;
        QImage alphaMask; // null for an opaque picture
    };
    std::vector<Job> jobs;
    for (const auto &entry : pictures) {
        if (auto *label = page->findChild<QLabel *>(QString::fromLatin1(entry.label)))
            jobs.push_back({label, QString::fromUtf8(entry.picture), label->size(), {}, {}});
    }

    // Decoding dominates the screen's opening, so the pictures are decoded and scaled on every
    // core at once: this thread and helpers take the next picture until none is left. Only
    // images are made off this thread; pixmaps and widgets are touched here alone.
    std::atomic<std::size_t> next{0};
    const auto work = [&jobs, &next] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            Job &job = jobs[i];
            QImageReader reader(job.picture);
            const QImage picture = reader.read();
            job.scaled = picture.scaled(job.size, Qt::KeepAspectRatio, Qt::FastTransformation);
            if (picture.hasAlphaChannel())
                job.alphaMask = picture.createAlphaMask();
        }
    };
    const int helpers = qBound(0, QThread::idealThreadCount() - 1, int(jobs.size()) - 1);
    std::vector<std::future<void>> running;
    for (int i = 0; i < helpers; ++i)
        running.push_back(std::async(std::launch::async, work));
    work();
    for (std::future<void> &helper : running)
        helper.get();

    for (Job &job : jobs) {
        job.label->setPixmap(QPixmap::fromImage(std::move(job.scaled)));
        // The unscaled picture's transparency mask; an opaque picture leaves the label rectangular.
        job.label->setMask(job.alphaMask.isNull() ? QBitmap() : QBitmap::fromImage(job.alphaMask));
    }
}

} // namespace graphs
