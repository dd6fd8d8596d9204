#include "naming/FolderTemplateEditor.h"
#include "naming/InlineLevel.h"
#include "support/Printing.h"

#include <gtest/gtest.h>

using namespace stowly;
namespace Editor = FolderTemplateEditor;

TEST(InlineLevelTest, ReadsNamesSideBySide) {
    EXPECT_EQ(InlineLevel("{date}_{project}").separator, "_");
    const InlineLevel adjacent("{date}{camera}");
    EXPECT_EQ(adjacent.items, QStringList({"{date}", "{camera}"}));
    EXPECT_EQ(adjacent.separator, "");
    EXPECT_EQ(InlineLevel("Day_One").items, QStringList{"Day_One"});
    EXPECT_EQ(InlineLevel(" Day-{date} ").items, QStringList({"Day", "{date}"}));
    // Separators inside braces do not split.
    EXPECT_EQ(InlineLevel("{seq:3}-{a_b}").items, QStringList({"{seq:3}", "{a_b}"}));
    // An empty piece keeps the level whole.
    EXPECT_EQ(InlineLevel("{date}__{project}").items, QStringList{"{date}__{project}"});
    EXPECT_TRUE(InlineLevel("  ").items.isEmpty());
}

TEST(FolderTemplateEditorTest, EditsLevelsAndNamesAndDropsBesideAName) {
    const QString messy = " {date} //{project}/ ";
    EXPECT_EQ(Editor::levels(messy), QStringList({"{date}", "{project}"}));
    EXPECT_EQ(Editor::remove(messy, 5), messy);
    EXPECT_EQ(Editor::remove(messy, -1), messy);
    EXPECT_EQ(Editor::remove(messy, 0), "{project}");
    EXPECT_EQ(Editor::move("{date}/{project}/{camera}", 0, 99), "{project}/{camera}/{date}");
    EXPECT_EQ(Editor::move("{date}/{project}/{camera}", 2, -4), "{camera}/{date}/{project}");
    EXPECT_EQ(Editor::move(messy, 2, 0), messy);
    EXPECT_EQ(Editor::insert(TemplateToken::camera, messy), "{date}/{project}/{camera}");
    EXPECT_EQ(Editor::insert(TemplateToken::camera, messy, -3), "{camera}/{date}/{project}");
    EXPECT_EQ(Editor::insert(TemplateToken::day, ""), "{day}");

    EXPECT_EQ(Editor::extractItem("{date}_{project}", 0, 1, 1), "{date}/{project}");
    EXPECT_EQ(Editor::extractItem("{date}_{project}", 0, 0, 0), "{date}/{project}");
    // A lone name pulled out is its level moving; slot 2 lies after the next level.
    EXPECT_EQ(Editor::extractItem("{date}/{project}", 0, 0, 2), "{project}/{date}");
    EXPECT_EQ(Editor::extractItem("{date}_{project}", 0, 2, 1), "{date}_{project}");
    EXPECT_EQ(Editor::extractItem("{date}_{project}", 1, 0, 1), "{date}_{project}");

    EXPECT_EQ(Editor::moveItem("{a}_{b}_{c}", 0, 0, 0, 3), "{b}_{c}_{a}");
    EXPECT_EQ(Editor::moveItem("{a}_{b}/{c}-{d}", 0, 1, 1, 1), "{a}/{c}-{b}-{d}");
    // Moving the only name of a level takes the level along instead of copying the name.
    EXPECT_EQ(Editor::moveItem("{a}/{c}-{d}", 0, 0, 1, 99), "{c}-{d}-{a}");
    EXPECT_EQ(Editor::moveItem("{a}/{b}", 0, 0, 2, 0), "{a}/{b}");
    EXPECT_EQ(Editor::moveItem("{a}/{b}", 0, 4, 1, 0), "{a}/{b}");

    EXPECT_EQ(Editor::removeItem("{a}{b}/{c}", 0, 0), "{b}/{c}");
    EXPECT_EQ(Editor::removeItem("{a}/{c}", 0, 0), "{c}");
    EXPECT_EQ(Editor::removeItem("{a}/{c}", 0, 1), "{a}/{c}");

    EXPECT_EQ(Editor::setSeparator("-", "{date}_{project}", 0), "{date}-{project}");
    EXPECT_EQ(Editor::setSeparator("", "{date}_{project}", 0), "{date}{project}");
    EXPECT_EQ(Editor::setSeparator("-", "{date}", 0), "{date}");
    EXPECT_EQ(Editor::setSeparator("-", "{date}_{project}", 1), "{date}_{project}");

    using Token = Editor::TokenPayload;
    EXPECT_EQ(Editor::dropInline(Token{TemplateToken::camera}, 0, 1, "{date}-{project}"),
              "{date}-{camera}-{project}");
    EXPECT_EQ(Editor::dropInline(Token{TemplateToken::camera}, 0, 9, "{date}"), "{date}_{camera}");
    EXPECT_EQ(Editor::dropInline(Token{TemplateToken::camera}, 3, 0, "{date}"), "{date}");
    EXPECT_EQ(Editor::dropInline(Editor::ItemPayload{1, 0}, 0, 0, "{date}/{a}_{b}"),
              "{a}_{date}/{b}");
    EXPECT_EQ(Editor::dropInline(Editor::LevelPayload{0}, 1, 0, "{a}_{b}/{c}"), "{a}_{b}_{c}");
    EXPECT_EQ(Editor::dropInline(Editor::LevelPayload{1}, 1, 0, "{a}/{c}"), "{a}/{c}");
    EXPECT_EQ(Editor::dropInline(Editor::LevelPayload{7}, 0, 0, "{a}/{c}"), "{a}/{c}");
}

TEST(FolderTemplateEditorTest, DragTexts) {
    const QList<Editor::Payload> payloads{Editor::LevelPayload{3},
                                          Editor::TokenPayload{TemplateToken::original},
                                          Editor::ItemPayload{2, 0}};
    for (const auto& payload : payloads)
        EXPECT_EQ(Editor::payload(Editor::text(payload)), payload);
    for (const char* bad : {"stowly-item:2:x", "stowly-item:1:2:3", "stowly-token:foo",
                            "stowly-level:1a", "level:1", ""})
        EXPECT_FALSE(Editor::payload(bad)) << bad;
}
