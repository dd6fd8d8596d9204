#include "history/HistoryFile.h"
#include "history/HistoryJsonReader.h"
#include "support/TestSupport.h"

#include <cstring>

#include <gtest/gtest.h>

using namespace stowly;

namespace {

QList<HistoryEntry> decoded(const QByteArray& json) {
    auto result = HistoryFile::decode(json);
    if (auto* error = std::get_if<QString>(&result)) {
        ADD_FAILURE() << error->toStdString();
        return {};
    }
    return std::get<HistoryRecords>(result).toList();
}

} // namespace

TEST(HistoryFileTest, ReadsWhatOtherWritersMayProduceAndRoundTripsAwkwardText) {
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
    const QList<HistoryEntry> entries = decoded(json);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].sourceKey, "V|a/b|12|3");
    EXPECT_EQ(entries[0].cardName, QString::fromUtf8("Café 📷"));
    EXPECT_EQ(entries[0].size, 12);
    EXPECT_EQ(entries[0].offloadedAt, QDateTime::fromSecsSinceEpoch(1'796'340'389, Qt::UTC));
    EXPECT_TRUE(decoded("[]").isEmpty());

    HistoryEntry e;
    e.sourceKey = "id|a\"b\\c/d\te\x01|5|nodate";
    e.cardName = QString::fromUtf8("名前");
    e.sourceRelativePath = "a\nb";
    e.destinationPath = "/x/y";
    e.size = -1;
    e.sha256 = "00";
    e.offloadedAt = QDateTime::fromSecsSinceEpoch(-86401, Qt::UTC);
    HistoryRecords records;
    records.append(e);
    records.append(e);
    const QByteArray bytes = HistoryFile::encode(records);
    EXPECT_TRUE(bytes.contains("1969-12-30T23:59:59Z"));
    EXPECT_TRUE(bytes.contains("\\u0001"));
    EXPECT_EQ(decoded(bytes), QList<HistoryEntry>({e, e}));
}

TEST(HistoryFileTest, DatesAreWholeSecondsOnly) {
    EXPECT_EQ(HistoryFile::parseInternetDateTime(u"2024-02-29T12:00:00+02:00"),
              QDateTime::fromSecsSinceEpoch(1'709'200'800, Qt::UTC));
    for (const char* bad :
         {"2026-12-03T23:26:29.5Z", "2026-12-03 23:26:29Z", "2026-02-30T00:00:00Z",
          "2026-12-03T24:00:00Z", "2026-12-03T23:26:29", "yesterday"})
        EXPECT_FALSE(HistoryFile::parseInternetDateTime(QString::fromLatin1(bad)).isValid()) << bad;
}

TEST(HistoryFileTest, RefusesWhatItCannotReadWhole) {
    auto missing = HistoryFile::decode(R"([{"cardName":"C"}])");
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
        EXPECT_TRUE(std::holds_alternative<QString>(HistoryFile::decode(json))) << json.constData();
    }
    EXPECT_TRUE(std::holds_alternative<QString>(HistoryFile::decode("{\"an\":\"object\"}")));
}

// A large history is parsed a piece at a time (pieces of 200 bytes here); the verdict must still
// be the whole text's, wherever the cuts fall.
TEST(HistoryFileTest, ReadInPiecesTheVerdictIsTheWholeTexts) {
    const auto decode = [](const QByteArray& json) {
        HistoryJsonReader reader(
            [&](qint64 offset, char* into, qint64 max) -> std::optional<qint64> {
                const qint64 n = std::min(max, json.size() - offset);
                std::memcpy(into, json.constData() + offset, size_t(n));
                return n;
            },
            json.size());
        reader.pieceBytes = 200;
        return reader.read();
    };
    HistoryRecords records;
    for (int i = 0; i < 30; ++i) {
        HistoryEntry e = test::copyRecord(QString("V|%1|1|2").arg(i), QString("/D/%1").arg(i), i);
        // A name that looks like the cut between two entries.
        e.cardName = i % 7 == 3 ? "A},{B" : "CARD";
        records.append(e);
    }
    const QByteArray whole = HistoryFile::encode(records);
    const auto read = decode(whole);
    ASSERT_TRUE(std::holds_alternative<HistoryRecords>(read));
    EXPECT_EQ(std::get<HistoryRecords>(read).toList(), records.toList());
    EXPECT_EQ(std::get<HistoryRecords>(decode(QByteArray(whole).replace("},", "} ,"))).size(), 30);

    const qsizetype late = whole.lastIndexOf("\"sha256\"");
    const auto missing = decode(QByteArray(whole).replace(late, 8, "\"sha257\""));
    ASSERT_TRUE(std::holds_alternative<QString>(missing));
    EXPECT_EQ(std::get<QString>(missing), "entry 30 has no “sha256”");
    for (const QByteArray& damaged :
         {whole.left(whole.size() - 2), QByteArray(whole).replace(late, 1, "'"),
          QByteArray(whole).insert(whole.size() / 2, "},{")})
        EXPECT_TRUE(std::holds_alternative<QString>(decode(damaged))) << damaged.constData();
}
