// The success sound: the desktop's "complete" sound from the sound theme, played to its end
// through a real sound library on a silent sound device.

#include "ui/EventSound.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

TEST(EventSoundTest, TheCompleteSoundPlaysToItsEndAndAMissingOneSaysSo) {
    if (!QFile::exists("/usr/share/sounds/freedesktop/stereo/complete.oga"))
        GTEST_SKIP() << "the freedesktop sound theme is not installed (Debian package "
                        "sound-theme-freedesktop)";
    // The tests' home points ALSA at its null device: everything is decoded and played,
    // nothing is heard.

    EventSound sound;
    QSignalSpy finished(&sound, &EventSound::finished);
    ASSERT_TRUE(sound.play("complete", "Offload complete"));
    ASSERT_TRUE(spinUntil([&] { return !finished.isEmpty(); }, 10000));
    EXPECT_EQ(finished[0][0].toString(), "complete");
    EXPECT_EQ(finished[0][1].toString(), QString()) << "played with an error";

    EXPECT_FALSE(sound.play("no-such-sound-anywhere", QString()));
}
