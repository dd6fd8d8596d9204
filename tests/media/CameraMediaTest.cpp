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

    CameraMedia::Lister lister() const {
        return [this](const QString& path) -> std::optional<QStringList> {
            listed.append(path);
            const auto it = folders.constFind(path);
            if (it == folders.cend())
                return std::nullopt;
            return *it;
        };
    }
};

} // namespace

TEST(CameraMediaTest, RecognisesMarkersOrMediaNearTheRootWithinItsBounds) {
    FakeTree marker;
    marker.folders["/v"] = {"private", ".fseventsd"};
    marker.folders["/v/private"] = {"m4root"};
    EXPECT_TRUE(CameraMedia::looksLikeCameraMedia("/v", marker.lister()));

    FakeTree root;
    root.folders["/v"] = {"notes.txt", "CLIP.MOV"};
    EXPECT_TRUE(CameraMedia::looksLikeCameraMedia("/v", root.lister()));

    FakeTree nested;
    nested.folders["/v"] = {"notes.txt", "100MEDIA"};
    nested.folders["/v/100MEDIA"] = {".hidden.jpg", "GOPR0001.JPG"};
    EXPECT_TRUE(CameraMedia::looksLikeCameraMedia("/v", nested.lister()));

    FakeTree hiddenOnly;
    hiddenOnly.folders["/v"] = {".a.mp4", ".DCIM"};
    EXPECT_FALSE(CameraMedia::looksLikeCameraMedia("/v", hiddenOnly.lister()));
    EXPECT_FALSE(CameraMedia::looksLikeCameraMedia("/v", FakeTree().lister()));

    TempDir disk;
    writeFile(disk("dcim/100/a.jpg"));
    EXPECT_TRUE(CameraMedia::looksLikeCameraMedia(disk.path()));

    FakeTree tree;
    for (int i = 1; i <= 13; ++i)
        tree.folders["/v"].append(QStringLiteral("F%1").arg(i, 2, 10, QChar(u'0')));
    tree.folders["/v/F13"] = {"clip.mp4"};
    EXPECT_FALSE(CameraMedia::looksLikeCameraMedia("/v", tree.lister()));
    EXPECT_FALSE(tree.listed.contains("/v/F13"));
    EXPECT_EQ(tree.listed.size(), 13); // the root and twelve folders

    FakeTree late;
    for (int i = 0; i < 300; ++i)
        late.folders["/v"].append(QStringLiteral("n%1.txt").arg(i));
    late.folders["/v"].append("late.mp4");
    EXPECT_FALSE(CameraMedia::looksLikeCameraMedia("/v", late.lister()));
}
