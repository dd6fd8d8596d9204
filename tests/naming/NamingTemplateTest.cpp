#include "NamingTestSupport.h"
#include "base/NameRules.h"
#include "naming/NamingPreset.h"
#include "naming/NamingTemplates.h"
#include "naming/TemplateDescription.h"
#include "naming/TemplateMigration.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

using Kind = NamingTemplate::Kind;

QStringList messages(const QString& text, Kind kind) {
    QStringList list;
    for (const TemplateIssue& issue : NamingTemplate::parse(text, kind).issues)
        list.append(issue.message);
    return list;
}

QList<TemplatePart> onlyLevel(const QString& text, Kind kind = Kind::file) {
    const auto result = NamingTemplate::parse(text, kind);
    EXPECT_TRUE(result.template_) << text.toStdString();
    return result.template_ ? result.template_->components.value(0) : QList<TemplatePart>();
}

const QString missingClose = QStringLiteral("A “{” is missing its closing “}”.");
const QString colon = QStringLiteral("“:” isn’t allowed in file or folder names.");
const QString noSeqWarning =
    QStringLiteral("Without {seq} or {original}, files that would get the same name get “_2”, "
                   "“_3”… added.");

} // namespace

TEST(NamingTemplateTest, EmptyTemplates) {
    const auto folder = NamingTemplate::parse(" \t", Kind::folder);
    ASSERT_TRUE(folder.template_);
    EXPECT_TRUE(folder.template_->components.isEmpty());
    EXPECT_TRUE(folder.issues.isEmpty());

    const auto file = NamingTemplate::parse("  ", Kind::file);
    EXPECT_FALSE(file.template_);
    ASSERT_EQ(file.issues.size(), 1);
    EXPECT_EQ(file.issues[0], TemplateIssue::error("The file name can’t be empty."));
}

TEST(NamingTemplateTest, EmptyLevelIsReportedOnceAndOtherLevelsStillChecked) {
    const QString empty =
        QStringLiteral("A folder level is empty. Check for “//” or a “/” at the start or end.");
    EXPECT_EQ(messages("/{date}", Kind::folder), QStringList{empty});
    EXPECT_EQ(messages("{date}// /{project}", Kind::folder), QStringList{empty});
    EXPECT_EQ(messages("{date}//{foo}/a:b", Kind::folder),
              QStringList({empty, "{foo} isn’t a known token.", colon}));
}

TEST(NamingTemplateTest, TokensAreCaseAndSpaceTolerantWithShootAsAlias) {
    EXPECT_EQ(onlyLevel("{ Date }"), QList{TemplatePart::token(TemplateToken::date)});
    EXPECT_EQ(onlyLevel("{shoot}"), QList{TemplatePart::token(TemplateToken::project)});
    EXPECT_EQ(onlyLevel(" {date}_x "),
              QList({TemplatePart::token(TemplateToken::date), TemplatePart::literal("_x")}));
    EXPECT_EQ(NamingTemplate::parse(" {date} ", Kind::file).template_->raw, "{date}");
}

TEST(NamingTemplateTest, SequenceWidth) {
    EXPECT_EQ(onlyLevel("{seq:3}"), QList{TemplatePart::token(TemplateToken::seq, 3)});
    EXPECT_EQ(onlyLevel("{seq: +3 }"), QList{TemplatePart::token(TemplateToken::seq, 3)});
    EXPECT_NE(TemplatePart::token(TemplateToken::seq, 3), TemplatePart::token(TemplateToken::seq));
    const QString widthError = QStringLiteral("{seq:…} needs a number from 1 to 9, like {seq:3}.");
    for (const char* bad : {"{seq:0}", "{seq:10}", "{seq:x}", "{seq:}", "{seq:-3}", "{seq:3:4}",
                            "{seq:99999999999999999999}"})
        EXPECT_EQ(messages(QString(bad) + "{original}", Kind::file), QStringList{widthError})
            << bad;
    EXPECT_EQ(messages("{date:3}_{seq}", Kind::file),
              QStringList{"Only {seq} can take a number, like {seq:3}."});
}

TEST(NamingTemplateTest, SequenceBelongsOnceToTheFileName) {
    const QString folderOnly = QStringLiteral("{seq} only works in the file name.");
    EXPECT_EQ(messages("{date}/{seq}", Kind::folder), QStringList{folderOnly});
    // The width is judged before the kind.
    EXPECT_EQ(messages("{seq:0}", Kind::folder),
              QStringList{"{seq:…} needs a number from 1 to 9, like {seq:3}."});
    EXPECT_EQ(
        messages("{date}/{seq}", Kind::file),
        QStringList{"“/” isn’t allowed in the file name. Use the folder structure for folders."});
    EXPECT_EQ(messages("{seq}_{seq:2}", Kind::file), QStringList{"Use {seq} only once."});
}

TEST(NamingTemplateTest, MissingSequenceIsOnlyAWarning) {
    const auto result = NamingTemplate::parse("{date}_{project}", Kind::file);
    EXPECT_TRUE(result.template_);
    ASSERT_EQ(result.issues.size(), 1);
    EXPECT_EQ(result.issues[0], TemplateIssue::warning(noSeqWarning));
    EXPECT_TRUE(NamingTemplate::parse("{original}", Kind::file).issues.isEmpty());
    // An error keeps the warning beside it, after it.
    EXPECT_EQ(messages("{date}:", Kind::file), QStringList({colon, noSeqWarning}));
}

TEST(NamingTemplateTest, BracesAndTheirMessages) {
    // The unclosed text stays a literal and its characters are still checked.
    EXPECT_EQ(messages("x{da:te", Kind::folder), QStringList({missingClose, colon}));
    EXPECT_EQ(messages("date}", Kind::folder),
              QStringList{"There’s a “}” without a matching “{”."});
    EXPECT_EQ(messages("{a{date}", Kind::folder), QStringList{missingClose});
    EXPECT_EQ(messages("{}", Kind::folder),
              QStringList{"“{}” is an empty token. Pick one from the list below."});
    EXPECT_EQ(messages("{ Foo :3}", Kind::folder), QStringList{"{ Foo } isn’t a known token."});
}

TEST(NamingTemplateTest, IssuesKeepDiscoveryOrderWithoutRepeats) {
    // The bad token is reported while scanning; the literal around it is checked when it is
    // flushed, once for both colons.
    EXPECT_EQ(messages("a:b{foo}c:d", Kind::folder),
              QStringList({"{foo} isn’t a known token.", colon}));
    EXPECT_EQ(messages("a*b{date}c|d\te?", Kind::folder),
              QStringList({"“*” isn’t allowed in file or folder names.",
                           "“|” isn’t allowed in file or folder names.",
                           "Names can’t contain tabs or line breaks.",
                           "“?” isn’t allowed in file or folder names."}));
    EXPECT_EQ(messages("x\u200By", Kind::folder),
              QStringList{"Names can’t contain tabs or line breaks."});
}

TEST(NamingTemplateTest, HiddenNames) {
    const QString hidden =
        QStringLiteral("Names can’t start with “.” — the file or folder would be hidden.");
    EXPECT_EQ(messages(".{date}", Kind::folder), QStringList{hidden});
    EXPECT_EQ(messages("{date}/ .{project}", Kind::folder), QStringList{hidden});
    EXPECT_TRUE(messages("{date}.x", Kind::folder).isEmpty());
    EXPECT_EQ(messages(".{date}_{seq}", Kind::file), QStringList{hidden});
}

TEST(NamingTemplatesTest, BothMustParse) {
    EXPECT_FALSE(NamingTemplates::make("{date}/{seq}", "{date}_{seq}"));
    EXPECT_FALSE(NamingTemplates::make("{date}", ""));
    const auto withWarning = NamingTemplates::make("", "{date}_{project}");
    ASSERT_TRUE(withWarning);
    EXPECT_TRUE(withWarning->folder.components.isEmpty());
    EXPECT_EQ(NamingTemplates::standard().file.raw, "{date}_{project}_{seq}");
    for (const NamingPreset& preset : NamingPreset::all())
        EXPECT_TRUE(NamingTemplates::make(preset.folder, preset.file)) << preset.name.toStdString();
}

TEST(NameRulesTest, SafeComponent) {
    EXPECT_EQ(NameRules::safeComponent(" ..a:b "), "a-b");
    EXPECT_EQ(NameRules::safeComponent("..."), "");
    EXPECT_EQ(NameRules::safeComponent("a/b\\c*d?e\"f<g>h|i\tj\r\nk"), "a-b-c-d-e-f-g-h-i-j-k");
    // Stripping dots and spaces repeats until neither leads: no hidden name slips through.
    EXPECT_EQ(NameRules::safeComponent(" . . .x"), "x");
    EXPECT_EQ(NameRules::safeComponent(".\t.x"), "-.x");
    // A "/" carrying a combining mark is still a "/": it must never reach a path.
    EXPECT_EQ(NameRules::safeComponent(QString::fromUtf8("a/\u0301b")), "a-b");
    EXPECT_EQ(NameRules::safeComponent(QString::fromUtf8("Caf\u00e9 \u6771\u4eac")),
              QString::fromUtf8("Caf\u00e9 \u6771\u4eac"));
}

TEST(TemplateMigrationTest, ShootBecomesProjectWithoutRepeats) {
    EXPECT_EQ(TemplateMigration::migrate("{date}/{shoot}/{project}", Kind::folder),
              "{date}/{project}");
    EXPECT_EQ(TemplateMigration::migrate("{ SHOOT }-{project} {project}", Kind::file), "{project}");
    EXPECT_EQ(TemplateMigration::migrate("{shoot}/x/{project}", Kind::folder),
              "{project}/x/{project}");
    // Without a shoot token nothing is touched, not even a repeated project.
    EXPECT_EQ(TemplateMigration::migrate("{project}_{project}", Kind::file), "{project}_{project}");
}

TEST(TemplateDescriptionTest, Describes) {
    EXPECT_EQ(TemplateDescription::level("{date}_{project}_{seq:3}"), "Date_Project_Seq");
    EXPECT_EQ(TemplateDescription::level("{Shoot} {foo} {x"), "Project foo {x");
    EXPECT_EQ(TemplateDescription::levels(" {date} //{project}/"), "Date / Project");
}
