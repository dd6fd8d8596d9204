#include "support/TestHome.h"
#include "ui/AccessibleFactory.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

// The window's tests need a widget application; they draw offscreen unless told otherwise.
int main(int argc, char** argv) {
    const auto home = stowly::test::makeTestHome();
    if (!home)
        return 1;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The success sound plays into ALSA's silent device, not into a machine without a card.
    if (FILE* asound = std::fopen((home->path() + "/.asoundrc").toUtf8().constData(), "w")) {
        std::fputs("pcm.!default { type null }\n", asound);
        std::fclose(asound);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stowly"));
    stowly::AccessibleFactory::install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
