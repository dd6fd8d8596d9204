#include "media/CameraMedia.h"

#include "support/TestSupport.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace stowly;
using namespace stowly::test;

namespace {

// A directory tree in memory that remembers which folders were listed.
struct FakeTree {
    QHash<QString, QStringList> folders;
    mutable QStringList listed;

    bool looksLikeCameraMedia() const {
        return CameraMedia::looksLikeCameraMedia("/v", [this](const QString& path) {
            listed.append(path);
            const auto it = folders.constFind(path);
            return it == folders.cend() ? std::nullopt : std::optional(*it);
        });
    }
};

} // namespace

TEST(CameraMediaTest, RecognisesMarkersOrMediaNearTheRootWithinItsBounds) {
    EXPECT_TRUE(FakeTree({{"/v", {"private", ".fseventsd"}}, {"/v/private", {"m4root"}}})
                    .looksLikeCameraMedia());
    EXPECT_TRUE(FakeTree({{"/v", {"notes.txt", "CLIP.MOV"}}}).looksLikeCameraMedia());
    EXPECT_TRUE(FakeTree({{"/v", {"notes.txt", "100MEDIA"}},
                          {"/v/100MEDIA", {".hidden.jpg", "GOPR0001.JPG"}}})
                    .looksLikeCameraMedia());
    EXPECT_FALSE(FakeTree({{"/v", {".a.mp4", ".DCIM"}}}).looksLikeCameraMedia());
    EXPECT_FALSE(FakeTree().looksLikeCameraMedia());

    TempDir disk;
    writeFile(disk("dcim/100/a.jpg"));
    EXPECT_TRUE(CameraMedia::looksLikeCameraMedia(disk.path()));

    FakeTree tree;
    for (int i = 1; i <= 13; ++i)
        tree.folders["/v"].append(QStringLiteral("F%1").arg(i, 2, 10, QChar(u'0')));
    tree.folders["/v/F13"] = {"clip.mp4"};
    EXPECT_FALSE(tree.looksLikeCameraMedia());
    EXPECT_FALSE(tree.listed.contains("/v/F13"));
    EXPECT_EQ(tree.listed.size(), 13); // the root and twelve folders

    FakeTree late;
    for (int i = 0; i < 300; ++i)
        late.folders["/v"].append(QStringLiteral("n%1.txt").arg(i));
    late.folders["/v"].append("late.mp4");
    EXPECT_FALSE(late.looksLikeCameraMedia());
}
