#include "support/SampleClips.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace stowly::test::sampleClips {

bool ffmpegAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty();
}

bool make(const QString& path, const QStringList& extra) {
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{"-v", "error", "-y", "-f", "lavfi", "-i",
                             "testsrc=size=640x360:rate=25", "-f", "lavfi", "-i",
                             "sine=frequency=440", "-t", "2", "-timecode", "01:00:00:00", "-c:v",
                             "mpeg4", "-ac", "2"} +
                     extra + QStringList{path});
    return ffmpeg.waitForFinished(60'000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}

void cutInHalf(const QString& path) {
    QFile file(path);
    file.resize(file.size() / 2);
}

} // namespace stowly::test::sampleClips
