#include "cli/CliHarness.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

QByteArray jpeg(QColor color) {
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

QString tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QByteArray runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

class ReportCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(card("DCIM/100TEST/A001.JPG"), jpeg(Qt::red));
        writeFile(card("DCIM/100TEST/A002.JPG"), jpeg(Qt::darkGreen));
        writeFile(card("PRIVATE/M4ROOT/CLIP/C0001, take \"2\".MOV"),
                  readFile(QStringLiteral(STOWLY_TEST_DATA_DIR "/media/clip-10s.mov")));
    }

    QString card(const QString& relative) const { return cardRoot("A001_CARD/" + relative); }

    CliResult offload() const {
        return cli.run({"offload", cardRoot("A001_CARD"), "--to", main.path(), "--also",
                        backup.path(), "--mhl", "--project", "Harbour"});
    }

    Cli cli;
    TempDir cardRoot;
    TempDir main;
    TempDir backup;
};

// The run's report in its four forms holds every verified copy the history holds, no more.
TEST_F(ReportCommandTest, EveryFormHoldsEveryCopyOfTheRun) {
    const CliResult copied = offload();
    ASSERT_EQ(copied.status, 0) << copied.errText().toStdString();
    TempDir out;
    const CliResult made =
        cli.run({"report", "--format", "pdf,html,csv,json", "--out", out.path()});
    ASSERT_EQ(made.status, 0) << made.errText().toStdString();
    const QStringList files = made.outText().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(files.size(), 4);
    const QString base = files.first().chopped(4);

    const QJsonArray history = cli.run({"history", "--json"}).array();
    ASSERT_EQ(history.size(), 6);
    const QJsonArray rows =
        QJsonDocument::fromJson(readFile(base + ".json")).object()["files"].toArray();
    ASSERT_EQ(rows.size(), 3);
    const QStringList csvLines =
        QString::fromUtf8(readFile(base + ".csv")).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(csvLines.size(), 1 + 3);
    for (const QJsonValue& value : history) {
        const QJsonObject entry = value.toObject();
        int matches = 0;
        for (const QJsonValue& row : rows)
            for (const QJsonValue& copy : row["copies"].toArray())
                matches += copy["path"] == entry["destinationPath"] &&
                           row["sha256"] == entry["sha256"] &&
                           row["size"].toInteger() == entry["size"].toInteger() &&
                           row["xxh128"].toString().size() == 32;
        EXPECT_EQ(matches, 1) << entry["destinationPath"].toString().toStdString();
        const QString path = entry["destinationPath"].toString();
        EXPECT_EQ(std::count_if(csvLines.cbegin(), csvLines.cend(),
                                [&](const QString& line) {
                                    return line.contains(entry["sha256"].toString()) &&
                                           line.contains(QFileInfo(path).fileName());
                                }),
                  1);
    }

    // Each picture is inside the page and is a picture.
    const QString html = QString::fromUtf8(readFile(base + ".html"));
    const QRegularExpression inlined(
        QStringLiteral("src=\"data:image/jpeg;base64,([A-Za-z0-9+/=]+)\""));
    int pictures = 0;
    for (const auto& match : inlined.globalMatch(html)) {
        EXPECT_FALSE(
            QImage::fromData(QByteArray::fromBase64(match.captured(1).toLatin1())).isNull());
        ++pictures;
    }
    EXPECT_EQ(pictures, 3);
    EXPECT_EQ(html.count("<tr>"), html.count("</tr>"));
    EXPECT_FALSE(html.contains("src=\"thumb:"));

    if (tool("pdftotext").isEmpty() || tool("pdftoppm").isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString text =
        QString::fromUtf8(runTool(tool("pdftotext"), {"-layout", base + ".pdf", "-"}));
    for (const QJsonValue& row : rows)
        EXPECT_TRUE(text.contains(row["sha256"].toString()));
    EXPECT_TRUE(text.contains("Page 1 of"));
    TempDir pages;
    runTool(tool("pdftoppm"), {"-r", "30", "-png", base + ".pdf", pages("page")});
    const QStringList rendered = QDir(pages.path()).entryList({"*.png"});
    ASSERT_FALSE(rendered.isEmpty());
    EXPECT_FALSE(QImage(pages(rendered.first())).isNull());
}

// With the setting on, every destination gets the run's PDF and CSV beside its ASC MHL history,
// which passes over them: the destination still checks out whole.
TEST_F(ReportCommandTest, TheSettingLeavesTheReportInEveryDestinationOutsideItsHistory) {
    ASSERT_EQ(cli.run({"settings", "writeReports", "true"}).status, 0);
    ASSERT_EQ(cli.run({"settings", "operatorName", "Sam Lee"}).status, 0);
    const CliResult copied = offload();
    ASSERT_EQ(copied.status, 0) << copied.errText().toStdString();
    for (const TempDir* destination : {&main, &backup}) {
        const QStringList reports =
            QDir((*destination)("Stowly Reports")).entryList(QDir::Files, QDir::Name);
        ASSERT_EQ(reports.size(), 2);
        EXPECT_TRUE(reports[0].endsWith(".csv"));
        EXPECT_TRUE(reports[1].endsWith(".pdf"));
        const CliResult verified = cli.run({"verify", destination->path()});
        EXPECT_EQ(verified.status, 0) << verified.outText().toStdString();
    }
    const CliResult made =
        cli.run({"report", "--day", "today", "--format", "json", "--out", main("elsewhere")});
    ASSERT_EQ(made.status, 0) << made.errText().toStdString();
    const QJsonObject report = QJsonDocument::fromJson(readFile(made.outText().trimmed())).object();
    EXPECT_EQ(report["runs"][0]["operator"], "Sam Lee");
    EXPECT_EQ(report["runs"][0]["project"], "Harbour");

    const CliResult none = cli.run({"report", "--project", "Nothing Here"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.errText(), "No offload was made for the project “Nothing Here”.\n");
    EXPECT_EQ(cli.run({"report", "--format", "docx"}).status, 2);
}

} // namespace
} // namespace stowly::test
