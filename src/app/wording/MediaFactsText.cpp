#include "app/wording/MediaFactsText.h"

#include "media/DurationFormatting.h"

#include <QCoreApplication>
#include <QHash>

#include <cmath>

namespace stowly {
namespace {

// Texts of this file, under a context the catalogue tool can see.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(MediaFactsText)
};

// "25", "29.97", "23.976": rates are shown as cameras name them.
QString number(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text;
}

// The model mostly repeats the make ("Canon" and "Canon EOS R5"): said once.
QString cameraName(const MediaFacts& facts) {
    const QString make = facts.cameraMake.simplified();
    const QString model = facts.cameraModel.simplified();
    if (make.isEmpty() || model.startsWith(make, Qt::CaseInsensitive))
        return model;
    if (model.isEmpty())
        return make;
    return make + u' ' + model;
}

constexpr int namesShown = 3;

} // namespace

QString MediaFactsText::codecName(const QString& codec) {
    static const QHash<QString, QString> names{
        {"h264", "H.264"},
        {"hevc", "H.265"},
        {"prores", "ProRes"},
        {"mpeg4", "MPEG-4"},
        {"mpeg2video", "MPEG-2"},
        {"mjpeg", "Motion JPEG"},
        {"av1", "AV1"},
        {"vp9", "VP9"},
        {"dnxhd", "DNxHD"},
        {"dvvideo", "DV"},
        {"rawvideo", "Uncompressed"},
        {"cfhd", "CineForm"},
    };
    return names.value(codec, codec.toUpper());
}

QString MediaFactsText::exposureText(double seconds) {
    if (seconds >= 0.3)
        return Words::tr("%1 s").arg(number(seconds, 1));
    return Words::tr("1/%1 s").arg(std::lround(1 / seconds));
}

QString MediaFactsText::line(const MediaFacts& facts, std::optional<double> duration) {
    QStringList parts;
    if (!facts.codec.isEmpty())
        parts << codecName(facts.codec);
    if (facts.width > 0 && facts.height > 0)
        parts << QStringLiteral("%1×%2").arg(facts.width).arg(facts.height);
    if (facts.frameRate > 0)
        parts << Words::tr("%1 fps").arg(number(facts.frameRate, facts.frameRate < 100 ? 3 : 0));
    if (const std::optional<double> seconds = facts.duration ? facts.duration : duration)
        parts << DurationFormatting::shortText(*seconds);
    if (!facts.startTimecode.isEmpty())
        parts << Words::tr("TC %1").arg(facts.startTimecode);
    if (facts.audioChannels > 0)
        parts << Words::tr("%1 ch").arg(facts.audioChannels);

    if (const QString camera = cameraName(facts); !camera.isEmpty())
        parts << camera;
    if (!facts.lens.isEmpty())
        parts << facts.lens.simplified();
    if (facts.iso > 0)
        parts << Words::tr("ISO %1").arg(facts.iso);
    if (facts.exposureTime > 0)
        parts << exposureText(facts.exposureTime);
    if (facts.aperture > 0)
        parts << Words::tr("f/%1").arg(number(facts.aperture, 1));
    if (facts.focalLength > 0)
        parts << Words::tr("%1 mm").arg(number(facts.focalLength, 1));
    return parts.join(QStringLiteral(" · "));
}

QString MediaFactsText::damagedHelp(const QString& reason) {
    return Words::tr(
               "This clip may be damaged: %1 The camera that recorded it may be able to repair it, "
               "so don’t erase the card before you have tried.")
        .arg(reason);
}

QString MediaFactsText::damagedParagraph(const QStringList& clipNames) {
    if (clipNames.isEmpty())
        return {};
    QStringList named;
    for (const QString& name : clipNames.mid(0, namesShown))
        named << QStringLiteral("“%1”").arg(name);
    QString list = named.join(QStringLiteral(", "));
    if (clipNames.size() > namesShown)
        list = Words::tr("%1 and %2 more").arg(list).arg(clipNames.size() - namesShown);
    return clipNames.size() == 1
               ? Words::tr(
                     "%1 may be damaged. The camera that recorded it may be able to repair it "
                     "before the card is erased, never after")
                     .arg(list)
               : Words::tr("%1 may be damaged. The camera that recorded them may be able to repair "
                           "them before the card is erased, never after")
                     .arg(list);
}

} // namespace stowly
