#include "naming/OffloadPlanner.h"
#include "support/Printing.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QSet>

#include <gtest/gtest.h>

using namespace stowly;
using test::clipAt;

namespace {

// Random cards and destinations with a fixed seed each, so a failure repeats exactly.
class RandomCase {
public:
    explicit RandomCase(quint32 seed) : m_random(seed) {}

    int below(int n) { return int(m_random.bounded(n)); }
    template <typename T> const T& pick(const QList<T>& list) { return list[below(list.size())]; }

    QString randomCase(const QString& text) {
        QString result = text;
        for (QChar& c : result)
            if (below(3) == 0)
                c = c.isUpper() ? c.toLower() : c.toUpper();
        return result;
    }

    QList<Clip> card() {
        static const QStringList folders{"DCIM/100", "DCIM/101", "dcim/100", "M4ROOT/CLIP"};
        static const QStringList stems{"C0001",   "c0001",    "C0002", "GX010001", "GL010001",
                                       "DSC0001", "C0001M01", "IMG_1", "img_1",    "A"};
        static const QStringList extensions{"MP4", "mp4", "MOV", "JPG", "jpeg", "ARW", "XML",
                                            "xml", "LRV", "THM", "WAV", "",     "TXT"};
        QList<Clip> files;
        QSet<QString> seen;
        const int count = 1 + below(40);
        while (files.size() < count) {
            const QString ext = pick(extensions);
            const QString path =
                pick(folders) + u'/' + pick(stems) + (ext.isEmpty() ? "" : "." + ext);
            if (seen.contains(path))
                continue;
            seen.insert(path);
            Clip clip = clipAt(path, QDate(2026, 10, 24 + below(2)), QTime(8 + below(3), 0));
            if (below(8) == 0) {
                clip.creationDate.reset();
                clip.modificationDate.reset();
            }
            files.append(clip);
        }
        return files;
    }

    // Names already at the destination: many of the names a plan would choose, in other
    // spellings and as unfinished copies, so collisions are the rule rather than the exception.
    QHash<QString, QStringList> destination(const QList<PlannedFile>& wouldBe) {
        QHash<QString, QStringList> folders;
        for (const PlannedFile& file : wouldBe) {
            if (below(2) == 0)
                continue;
            QString name = randomCase(file.fileName);
            if (below(4) == 0)
                name += ".stowly-partial";
            if (below(5) == 0) {
                const qsizetype dot = name.indexOf(u'.');
                name.insert(dot < 0 ? name.size() : dot, QString("_%1").arg(2 + below(3)));
            }
            folders[file.folder].append(name);
            if (below(6) == 0)
                folders[file.folder].append(QString("noise_%1").arg(below(1000)));
        }
        return folders;
    }

private:
    QRandomGenerator m_random;
};

QString stripPartial(const QString& name) {
    for (const char* suffix : {".stowly-partial", ".flickbox-partial"})
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return name.chopped(qsizetype(strlen(suffix)));
    return name;
}

} // namespace

TEST(PlanPropertyTest, PlansNeverReuseAName) {
    const QList<QPair<QString, QString>> namings{
        {"{date}/{project}", "{date}_{project}_{seq}"},
        {"", "{date}_{project}"},
        {"{type}/{original}", "{original}_{seq:2}"},
        {"{date}", "{original}"},
        {"{year}/{month}", "x"},
        {"{original}", "{card}_{seq:1}_{time}"},
    };
    const NamingContext context{"Coastline", "FX3", "Card"};
    for (quint32 seed = 1; seed <= 300; ++seed) {
        RandomCase random(seed);
        const auto& texts = namings[int(seed % namings.size())];
        const NamingTemplates naming = *NamingTemplates::make(texts.first, texts.second);
        const QList<Clip> files = random.card();
        const auto nothing = [](const QString&) { return QStringList(); };
        const auto existing = random.destination(
            OffloadPlanner::plan(files, naming, context, FileRules::standard(), nothing));

        QHash<QString, int> calls;
        const auto result = OffloadPlanner::plan(files, naming, context, FileRules::standard(),
                                                 [&](const QString& folder) {
                                                     ++calls[folder];
                                                     return existing.value(folder);
                                                 });

        SCOPED_TRACE(QString("seed %1, templates %2 | %3")
                         .arg(seed)
                         .arg(texts.first, texts.second)
                         .toStdString());
        ASSERT_EQ(result.size(), files.size());
        QSet<QString> planned;
        QSet<QString> sources;
        for (const PlannedFile& file : result) {
            sources.insert(file.clip.relativePath);
            const QString path = file.relativePath().toCaseFolded();
            EXPECT_FALSE(planned.contains(path)) << "planned twice: " << path.toStdString();
            planned.insert(path);
            for (const QString& name : existing.value(file.folder))
                EXPECT_NE(stripPartial(name).toCaseFolded(), file.fileName.toCaseFolded())
                    << "names an existing file: " << file.relativePath().toStdString();
        }
        EXPECT_EQ(sources.size(), files.size());
        for (auto it = calls.cbegin(); it != calls.cend(); ++it)
            EXPECT_EQ(it.value(), 1) << "listed again: " << it.key().toStdString();
    }
}
