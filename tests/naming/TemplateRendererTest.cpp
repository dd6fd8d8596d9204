#include "naming/TemplateRenderer.h"
#include "naming/Renamer.h"
#include "support/Printing.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace stowly;
using test::clipAt;

namespace {

QList<TemplatePart> level(const QString& text) {
    return NamingTemplate::parse(text, NamingTemplate::Kind::folder).template_->components[0];
}

NamingTemplate fileTemplate(const QString& text) {
    return *NamingTemplate::parse(text, NamingTemplate::Kind::file).template_;
}

QString renderLevel(const QString& text, const NamingContext& context, const Clip& clip) {
    return TemplateRenderer::renderLevel(level(text), clip, context);
}

const NamingContext coastline{"Coastline", "FX3", "A7SIII"};

} // namespace

TEST(TemplateRendererTest, TokenValues) {
    const Clip clip = clipAt("DCIM/C0001.MP4", QDate(2026, 10, 25), QTime(13, 30, 5));
    // 13:30:05 UTC is 14:30:05 in Berlin, where the tests run.
    EXPECT_EQ(renderLevel("{date} {year}{month}{day} {time}", coastline, clip),
              "2026-10-25 20261025 143005");
    EXPECT_EQ(renderLevel("{project}-{camera}-{card}-{type}-{original}-{ext}", coastline, clip),
              "Coastline-FX3-A7SIII-Video-C0001-mp4");
    EXPECT_EQ(renderLevel("{type}", coastline, clipAt("README")), "Other");
    // An explicit date wins over the file's own.
    const QDateTime explicitDate(QDate(2020, 1, 2), QTime(23, 30), Qt::UTC);
    EXPECT_EQ(TemplateRenderer::renderLevel(level("{date}"), clip, coastline, explicitDate),
              "2020-01-03");
    // Values are made safe for a name.
    const NamingContext odd{".hidden", "a:b/c", ""};
    EXPECT_EQ(renderLevel("{project}_{camera}", odd, clip), "hidden_a-b-c");
    EXPECT_EQ(renderLevel("{original}", odd, clipAt("DCIM/.x:y.MP4")), "x-y");
}

TEST(TemplateRendererTest, DateFallsBackToModificationThenNow) {
    Clip clip = clipAt("C0001.MP4", QDate(2026, 10, 25));
    clip.creationDate.reset();
    clip.modificationDate = QDateTime(QDate(2024, 2, 29), QTime(12, 0), Qt::UTC);
    EXPECT_EQ(renderLevel("{date}", coastline, clip), "2024-02-29");
    clip.modificationDate.reset();
    const QString before = QDate::currentDate().toString("yyyy-MM-dd");
    const QString rendered = renderLevel("{date}", coastline, clip);
    const QString after = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_TRUE(rendered == before || rendered == after) << rendered.toStdString();
}

TEST(TemplateRendererTest, SeparatorInFrontOfAGapGoes) {
    const NamingContext empty{"", "", ""};
    const Clip clip = clipAt("C0001.MP4");
    EXPECT_EQ(renderLevel("{date}_{project}", empty, clip), "2026-10-25");
    EXPECT_EQ(renderLevel("{project}_{date}", empty, clip), "2026-10-25");
    EXPECT_EQ(renderLevel("{date}_{project}_{camera}", {"", "FX3", ""}, clip), "2026-10-25_FX3");
    EXPECT_EQ(renderLevel("{project} - {date}", empty, clip), "2026-10-25");
    // Literals that are not pure separators stay.
    EXPECT_EQ(renderLevel("x{project}y", empty, clip), "xy");
    EXPECT_EQ(renderLevel("{date}_x_{project}", empty, clip), "2026-10-25_x_");
    EXPECT_EQ(TemplateRenderer::finish(renderLevel("{project}-{camera}", empty, clip)), "Untitled");
}

TEST(TemplateRendererTest, FileStemSplitsAroundTheNumber) {
    const Clip clip = clipAt("C0001.MP4");
    const auto plain =
        TemplateRenderer::fileStem(fileTemplate("{date}_{project}_{seq}"), clip, {"", "", ""});
    // File stems get no separator clean-up.
    EXPECT_EQ(plain.name(1), "2026-10-25__0001");

    const auto stem = TemplateRenderer::fileStem(
        fileTemplate("{project}_{seq:3}_{camera}-{original}_{card}"), clip, coastline);
    EXPECT_EQ(stem,
              (TemplateRenderer::FileStem{"Coastline_", 3, "_FX3-C0001_A7SIII", "_FX3-", false}));
    EXPECT_EQ(stem.name(7), "Coastline_007_FX3-C0001_A7SIII");
    EXPECT_EQ(stem.name(12345), "Coastline_12345_FX3-C0001_A7SIII");
    EXPECT_EQ(stem.name(std::nullopt), "Coastline__FX3-C0001_A7SIII");

    EXPECT_EQ(TemplateRenderer::fileStem(fileTemplate("{seq}"), clip, coastline).name(7), "0007");
    const auto none = TemplateRenderer::fileStem(fileTemplate("{original}"), clip, coastline);
    EXPECT_EQ(none, (TemplateRenderer::FileStem{"C0001", std::nullopt, "", "", true}));
}

TEST(TemplateRendererTest, FinishCutsWholeCharacters) {
    EXPECT_EQ(TemplateRenderer::finish(QString(200, u'a')), QString(180, u'a'));
    EXPECT_EQ(TemplateRenderer::finish(" .. "), "Untitled");
    // "é" written as e + combining accent is one character: 180 of them, never half of one.
    const QString accent = QString::fromUtf8("e\u0301");
    EXPECT_EQ(TemplateRenderer::finish(QString(175, u'a') + accent.repeated(10)),
              QString(175, u'a') + accent.repeated(5));
    // Emoji outside the basic plane take two UTF-16 units; the cut must not split them.
    const QString flags = QString::fromUtf8("\U0001F3AC").repeated(60);
    const QString cut = TemplateRenderer::finish(flags);
    EXPECT_FALSE(cut.back().isHighSurrogate());
    // Long multi-byte names also stay short enough in bytes for the file system.
    const QString kanji = QString::fromUtf8("\u6771").repeated(180);
    const QString kanjiCut = TemplateRenderer::finish(kanji);
    EXPECT_LE(kanjiCut.toUtf8().size(), TemplateRenderer::maxNameBytes);
    EXPECT_EQ(kanjiCut, kanji.left(kanjiCut.size()));
}

TEST(RenamerTest, SanitizeName) {
    EXPECT_EQ(Renamer::sanitizeName("my project 2", 60), "MyProject2");
    EXPECT_EQ(Renamer::sanitizeName("  --wedding day--  ", 60), "WeddingDay");
    EXPECT_EQ(Renamer::sanitizeName(QString::fromUtf8("\u00e9 tude"), 60),
              QString::fromUtf8("\u00c9Tude"));
    EXPECT_EQ(Renamer::sanitizeName("!!!", 60), "");
    // A combining accent stays on its letter instead of being dropped as punctuation.
    EXPECT_EQ(Renamer::sanitizeName(QString::fromUtf8("e\u0301te"), 60),
              QString::fromUtf8("E\u0301te"));
    EXPECT_EQ(Renamer::sanitizeName(QString::fromUtf8("e\u0301").repeated(70), 60),
              QString::fromUtf8("E\u0301") + QString::fromUtf8("e\u0301").repeated(59));
    EXPECT_EQ(Renamer::sanitizeName(QString(100, u'x'), 60), QString("X") + QString(59, u'x'));
}
