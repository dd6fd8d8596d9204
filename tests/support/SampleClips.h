#pragma once

#include <QString>
#include <QStringList>

namespace stowly::test {

// Clips made for a test by the ffmpeg program: real files from a real muxer.
namespace sampleClips {
bool ffmpegAvailable();
// 2 s of 640×360 at 25 fps in MPEG-4 with stereo sound, timecode 01:00:00:00, written to
// `path` (the extension picks the container); `extra` goes before the output. False when
// ffmpeg failed.
bool make(const QString& path, const QStringList& extra = {});
// What a camera that lost power leaves: the file cut to half its size.
void cutInHalf(const QString& path);
} // namespace sampleClips

} // namespace stowly::test
