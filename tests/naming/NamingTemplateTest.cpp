#include "base/NameRules.h"
#include "naming/NamingPreset.h"
#include "naming/NamingTemplates.h"
#include "naming/TemplateMigration.h"
#include "support/Printing.h"

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

TEST(NamingTemplateTest, EmptyTemplatesTolerantTokensAndAMissingSequenceWarning) {
    const auto folder = NamingTemplate::parse(" \t", Kind::folder);
    ASSERT_TRUE(folder.template_);
    EXPECT_TRUE(folder.template_->components.isEmpty());
    EXPECT_TRUE(folder.issues.isEmpty());

    const auto file = NamingTemplate::parse("  ", Kind::file);
    EXPECT_FALSE(file.template_);
    ASSERT_EQ(file.issues.size(), 1);
    EXPECT_EQ(file.issues[0], TemplateIssue::error("The file name can’t be empty."));

    EXPECT_EQ(onlyLevel("{ Date }"), QList{TemplatePart::token(TemplateToken::date)});
    EXPECT_EQ(onlyLevel("{shoot}"), QList{TemplatePart::token(TemplateToken::project)});
    EXPECT_EQ(onlyLevel(" {date}_x "),
              QList({TemplatePart::token(TemplateToken::date), TemplatePart::literal("_x")}));
    EXPECT_EQ(NamingTemplate::parse(" {date} ", Kind::file).template_->raw, "{date}");
    EXPECT_EQ(onlyLevel("{seq: +3 }"), QList{TemplatePart::token(TemplateToken::seq, 3)});

    const auto result = NamingTemplate::parse("{date}_{project}", Kind::file);
    EXPECT_TRUE(result.template_);
    EXPECT_EQ(result.issues, QList{TemplateIssue::warning(noSeqWarning)});
    EXPECT_TRUE(NamingTemplate::parse("{original}", Kind::file).issues.isEmpty());
}

// Every problem is reported in the order it was found, each message once, and the rest of the
// template is still checked after one.
TEST(NamingTemplateTest, IssuesInDiscoveryOrderWithoutRepeats) {
    const QString empty =
        QStringLiteral("A folder level is empty. Check for “//” or a “/” at the start or end.");
    const QString unknown = QStringLiteral("{foo} isn’t a known token.");
    const QString width = QStringLiteral("{seq:…} needs a number from 1 to 9, like {seq:3}.");
    const QString hidden =
        QStringLiteral("Names can’t start with “.” — the file or folder would be hidden.");
    const QString control = QStringLiteral("Names can’t contain tabs or line breaks.");
    const auto bad = [](const char* c) {
        return QStringLiteral("“%1” isn’t allowed in file or folder names.").arg(c);
    };
    const struct {
        const char* text;
        Kind kind;
        QStringList expected;
    } cases[]{
        {"/{date}", Kind::folder, {empty}},
        {"{date}// /{project}", Kind::folder, {empty}},
        {"{date}//{foo}/a:b", Kind::folder, {empty, unknown, colon}},
        {"{date:3}_{seq}", Kind::file, {"Only {seq} can take a number, like {seq:3}."}},
        {"{date}/{seq}", Kind::folder, {"{seq} only works in the file name."}},
        // The width is judged before the kind.
        {"{seq:0}", Kind::folder, {width}},
        {"{date}/{seq}",
         Kind::file,
         {"“/” isn’t allowed in the file name. Use the folder structure for folders."}},
        {"{seq}_{seq:2}", Kind::file, {"Use {seq} only once."}},
        // An error keeps the warning beside it, after it.
        {"{date}:", Kind::file, {colon, noSeqWarning}},
        // The unclosed text stays a literal and its characters are still checked.
        {"x{da:te", Kind::folder, {missingClose, colon}},
        {"date}", Kind::folder, {"There’s a “}” without a matching “{”."}},
        {"{a{date}", Kind::folder, {missingClose}},
        {"{}", Kind::folder, {"“{}” is an empty token. Pick one from the list below."}},
        {"{ Foo :3}", Kind::folder, {"{ Foo } isn’t a known token."}},
        // The literal around a bad token is checked when it is flushed, once for both colons.
        {"a:b{foo}c:d", Kind::folder, {unknown, colon}},
        {"a*b{date}c|d\te?", Kind::folder, {bad("*"), bad("|"), control, bad("?")}},
        {"x\u200By", Kind::folder, {control}},
        {".{date}", Kind::folder, {hidden}},
        {"{date}/ .{project}", Kind::folder, {hidden}},
        {"{date}.x", Kind::folder, {}},
        {".{date}_{seq}", Kind::file, {hidden}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messages(QString::fromUtf8(c.text), c.kind), c.expected) << c.text;
    for (const char* text : {"{seq:0}", "{seq:10}", "{seq:x}", "{seq:}", "{seq:-3}", "{seq:3:4}",
                             "{seq:99999999999999999999}"})
        EXPECT_EQ(messages(QString(text) + "{original}", Kind::file), QStringList{width}) << text;
}

TEST(NamingTemplatesTest, BothMustParse) {
    EXPECT_FALSE(NamingTemplates::make("{date}/{seq}", "{date}_{seq}"));
    EXPECT_FALSE(NamingTemplates::make("{date}", ""));
    const auto withWarning = NamingTemplates::make("", "{date}_{project}");
    ASSERT_TRUE(withWarning);
    EXPECT_TRUE(withWarning->folder.components.isEmpty());
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
