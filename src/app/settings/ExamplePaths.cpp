#include "app/settings/ExamplePaths.h"

#include "app/model/OffloadBlocker.h"
#include "naming/NamingTemplates.h"
#include "naming/OffloadPlanner.h"
#include "naming/Renamer.h"

#include <QCoreApplication>
#include <QDateTime>

namespace stowly {
namespace {

const QString cardName = QStringLiteral("A7SIII");

Clip sample(const QString& relativePath, QTime shotAt) {
    Clip clip;
    clip.url = (QStringLiteral("/Volumes/") + cardName + u'/' + relativePath).toUtf8();
    clip.relativePath = relativePath;
    clip.size = 1;
    // Local wall-clock time, so the date tokens read the same in every time zone.
    clip.creationDate = QDateTime(QDate(2026, 10, 25), shotAt);
    return clip;
}

} // namespace

QString ExamplePaths::path(const Example& example) const {
    if (destination.isEmpty())
        return example.relativePath;
    return destination.endsWith(u'/') ? destination + example.relativePath
                                      : destination + u'/' + example.relativePath;
}

QString ExamplePaths::text() const {
    if (examples.isEmpty())
        return fixProblemsText();
    QStringList lines;
    for (const Example& example : examples)
        lines << path(example);
    return lines.join(u'\n');
}

ExamplePaths ExamplePaths::make(const QString& folderTemplate, const QString& fileTemplate,
                                const NamingContext& context,
                                const std::optional<QString>& destination, const FileRules& rules) {
    const std::optional<NamingTemplates> naming =
        NamingTemplates::make(folderTemplate, fileTemplate);
    if (!naming)
        return {};
    const QList<Clip> files{
        sample(QStringLiteral("PRIVATE/M4ROOT/CLIP/C0001.MP4"), QTime(14, 30, 5)),
        sample(QStringLiteral("DCIM/100MSDCF/DSC00012.ARW"), QTime(14, 31, 12))};
    // An empty destination: listing a real one on every keystroke could stall on a slow drive,
    // and the example is about the templates, not about what is already there.
    const auto nothingThere = [](const QString&) { return QStringList(); };
    ExamplePaths result;
    result.destination = destination.value_or(QString());
    // "/" itself keeps its slash; any other folder loses a trailing one.
    while (result.destination.size() > 1 && result.destination.endsWith(u'/'))
        result.destination.chop(1);
    for (const PlannedFile& planned :
         OffloadPlanner::plan(files, *naming, context.fillingBlanks(), rules, nothingThere))
        result.examples.append({planned.clip.fileName(), planned.relativePath()});
    return result;
}

NamingContext ExamplePaths::sampleContext(const QString& lastProject, const QString& cameraValue) {
    QString project = Renamer::sanitizeName(lastProject, OffloadBlocker::nameLength);
    if (project.isEmpty())
        project = QStringLiteral("Coastline");
    return {project, cameraValue.isEmpty() ? QStringLiteral("FX3") : cameraValue, cardName};
}

QString ExamplePaths::fixProblemsText() {
    return QCoreApplication::translate("ExamplePaths", "Fix the problems above to see an example.");
}

} // namespace stowly
