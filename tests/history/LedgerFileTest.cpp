#include "history/LedgerFile.h"

#include <gtest/gtest.h>

using namespace stowly;

namespace {

QList<LedgerEntry> decoded(const QByteArray& json) {
    auto result = LedgerFile::decode(json);
    if (auto* error = std::get_if<QString>(&result)) {
        ADD_FAILURE() << error->toStdString();
        return {};
    }
    return std::get<LedgerRecords>(result).toList();
}

} // namespace

TEST(LedgerFileTest, ReadsWhatOtherWritersMayProduceAndRoundTripsAwkwardText) {
    // Any key order, white space, escapes, unknown keys of any shape.
    const QByteArray json = R"( [ {
        "size" : 12,
        "sourceKey" : "V|a\/b|12|3",
        "extra" : {"nested": [1, 2.5, {"x": null}], "t": true},
        "sha256" : "ab",
        "offloadedAt" : "2026-12-03T23:26:29Z",
        "cardName" : "Caf\u00e9 \ud83d\udcf7",
        "destinationPath" : "/D/a.mp4",
        "sourceRelativePath" : "a/b"
    } ] )";
    const QList<LedgerEntry> entries = decoded(json);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].sourceKey, "V|a/b|12|3");
    EXPECT_EQ(entries[0].cardName, QString::fromUtf8("Café 📷"));
    EXPECT_EQ(entries[0].size, 12);
    EXPECT_EQ(entries[0].offloadedAt, QDateTime::fromSecsSinceEpoch(1'796'340'389, Qt::UTC));
    EXPECT_TRUE(decoded("[]").isEmpty());

    LedgerEntry e;
    e.sourceKey = "id|a\"b\\c/d\te\x01|5|nodate";
    e.cardName = QString::fromUtf8("名前");
    e.sourceRelativePath = "a\nb";
    e.destinationPath = "/x/y";
    e.size = -1;
    e.sha256 = "00";
    e.offloadedAt = QDateTime::fromSecsSinceEpoch(-86401, Qt::UTC);
    LedgerRecords records;
    records.append(e);
    records.append(e);
    const QByteArray bytes = LedgerFile::encode(records);
    EXPECT_TRUE(bytes.contains("1969-12-30T23:59:59Z"));
    EXPECT_TRUE(bytes.contains("\\u0001"));
    EXPECT_EQ(decoded(bytes), QList<LedgerEntry>({e, e}));
}

TEST(LedgerFileTest, DatesAreWholeSecondsOnly) {
    EXPECT_EQ(LedgerFile::parseInternetDateTime(u"2024-02-29T12:00:00+02:00"),
              QDateTime::fromSecsSinceEpoch(1'709'200'800, Qt::UTC));
    for (const char* bad :
         {"2026-12-03T23:26:29.5Z", "2026-12-03 23:26:29Z", "2026-02-30T00:00:00Z",
          "2026-12-03T24:00:00Z", "2026-12-03T23:26:29", "yesterday"})
        EXPECT_FALSE(LedgerFile::parseInternetDateTime(QString::fromLatin1(bad)).isValid()) << bad;
}

TEST(LedgerFileTest, RefusesWhatItCannotReadWhole) {
    auto missing = LedgerFile::decode(R"([{"cardName":"C"}])");
    ASSERT_TRUE(std::holds_alternative<QString>(missing));
    EXPECT_TRUE(std::get<QString>(missing).startsWith("entry 1 has no “sourceKey”"));

    const QByteArray good = R"([{"cardName":"C","destinationPath":"\/d",)"
                            R"("offloadedAt":"2026-12-03T23:26:29Z","sha256":"s","size":1,)"
                            R"("sourceKey":"k","sourceRelativePath":"a"}])";
    ASSERT_EQ(decoded(good).size(), 1);
    const QList<std::pair<QByteArray, QByteArray>> damage{
        {"\"sha256\":\"s\",", ""},        // a field missing
        {"29Z", "29.5Z"},                 // fractional seconds
        {"\"size\":1", "\"size\":\"1\""}, // a size that is text
        {"}]", "}] trailing"},
        {"\"C\"", "\"\xff\""}, // not UTF-8
        {"}]", ""},            // cut short
    };
    for (const auto& [from, to] : damage) {
        const QByteArray json = QByteArray(good).replace(from, to);
        EXPECT_TRUE(std::holds_alternative<QString>(LedgerFile::decode(json))) << json.constData();
    }
    EXPECT_TRUE(std::holds_alternative<QString>(LedgerFile::decode("{\"an\":\"object\"}")));
}
