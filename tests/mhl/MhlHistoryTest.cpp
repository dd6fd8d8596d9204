#include "mhl/MhlHistory.h"
#include "copy/C4.h"
#include "copy/FormatHasher.h"
#include "mhl/DirectoryHashes.h"
#include "mhl/GenerationWriter.h"
#include "mhl/ManifestXml.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

const QString a = QStringLiteral("06b05ab6733a618578af5f94892f3950");
const QString b = QStringLiteral("99aa06d3014798d86001c324468d497f");

QDateTime at(int hour, int minute, int second = 0) {
    return QDateTime(QDate(2020, 1, 16), QTime(hour, minute, second), Qt::UTC);
}

GenerationWriter::File recorded(const QString& path, const QString& value, qint64 size = 3) {
    return {path, size, at(8, 0), value, at(9, 15, 30)};
}

class MhlHistoryTest : public ::testing::Test {
protected:
    QString ascmhl(const QString& name = {}) const {
        return scope + "/ascmhl" + (name.isEmpty() ? QString() : u'/' + name);
    }
    MhlHistory load() const {
        auto loaded = MhlHistory::load(scope);
        if (const QString* problem = std::get_if<QString>(&loaded))
            ADD_FAILURE() << problem->toStdString();
        return std::get<MhlHistory>(loaded);
    }
    QString loadProblem() const {
        auto loaded = MhlHistory::load(scope);
        return std::holds_alternative<QString>(loaded) ? std::get<QString>(loaded) : QString();
    }

    TempDir dir;
    QString scope = dir("A002R2EC");
    GenerationWriter::Info info{at(9, 15), MhlManifest::Process::transfer, "first", "station"};
};

TEST_F(MhlHistoryTest, GenerationsAreAppendedAndChainedWithoutTouchingEarlierOnes) {
    ASSERT_TRUE(QDir().mkpath(scope));
    EXPECT_FALSE(MhlHistory::exists(scope));
    ASSERT_EQ(GenerationWriter::write(
                  scope, {recorded("Clips/C001.mov", a), recorded("C002.mov", a)}, info),
              std::nullopt);
    const QString first = "0001_A002R2EC_2020-01-16_091500Z.mhl";
    const QByteArray firstBytes = readFile(ascmhl(first));
    ASSERT_FALSE(firstBytes.isEmpty());
    EXPECT_TRUE(
        firstBytes.contains("<path size=\"3\" lastmodificationdate=\"2020-01-16T08:00:00Z\">"
                            "Clips/C001.mov</path>"));
    EXPECT_TRUE(
        firstBytes.contains("<xxh128 action=\"original\" hashdate=\"2020-01-16T09:15:30Z\">"));
    EXPECT_TRUE(firstBytes.contains("<pattern>*.stowly-partial</pattern>"));

    info.startedAt = at(10, 0, 7);
    ASSERT_EQ(GenerationWriter::write(scope, {recorded("Clips/C001.mov", b, 0)}, info),
              std::nullopt);
    const QString second = "0002_A002R2EC_2020-01-16_100007Z.mhl";
    EXPECT_EQ(readFile(ascmhl(first)), firstBytes);
    EXPECT_EQ(QDir(ascmhl()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"0001_A002R2EC_2020-01-16_091500Z.mhl",
                           "0002_A002R2EC_2020-01-16_100007Z.mhl", "ascmhl_chain.xml"}));

    const QByteArray chain = readFile(ascmhl("ascmhl_chain.xml"));
    EXPECT_TRUE(chain.contains("<ascmhldirectory xmlns=\"urn:ASC:MHL:DIRECTORY:v2.0\">"));
    for (const auto& [number, name] : {std::pair{1, first}, std::pair{2, second}})
        EXPECT_TRUE(
            chain.contains(QStringLiteral("<hashlist sequencenr=\"%1\">\n    <path>%2</path>"
                                          "\n    <c4>%3</c4>")
                               .arg(number)
                               .arg(name, C4::id(readFile(ascmhl(name))))
                               .toUtf8()))
            << chain.toStdString();

    const MhlHistory history = load();
    ASSERT_EQ(history.generations().size(), 2);
    EXPECT_EQ(history.generations()[1].manifest.comment, "first");
    // The latest record of each file, and the older one of a file not recorded since.
    const QList<MhlManifest::File> files = history.recordedFiles();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].path, "C002.mov");
    EXPECT_EQ(files[0].hashes.first().value, a);
    EXPECT_EQ(files[1].path, "Clips/C001.mov");
    EXPECT_EQ(files[1].hashes.first().value, b);
    EXPECT_EQ(files[1].size, 0);
}

TEST_F(MhlHistoryTest, AFailedVerificationDoesNotReplaceTheRecordedValues) {
    ASSERT_EQ(GenerationWriter::write(scope, {recorded("C001.mov", a)}, info), std::nullopt);
    MhlHistory history = load();
    MhlManifest check = GenerationWriter::manifest({recorded("C001.mov", b, 9)}, info, {});
    check.files[0].hashes[0].action = MhlManifest::Action::failed;
    ASSERT_EQ(history.append(check, at(11, 0)), std::nullopt);
    const auto files = load().recordedFiles();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].hashes.first().value, a);
    EXPECT_EQ(files[0].size, 3);
}

TEST_F(MhlHistoryTest, ABrokenHistoryIsReportedAndNotAppendedTo) {
    ASSERT_EQ(GenerationWriter::write(scope, {recorded("C001.mov", a)}, info), std::nullopt);
    const QString first = ascmhl("0001_A002R2EC_2020-01-16_091500Z.mhl");
    QByteArray bytes = readFile(first);
    writeFile(first, QByteArray(bytes).replace("station", "stati0n"));
    EXPECT_TRUE(loadProblem().startsWith("0001_A002R2EC_2020-01-16_091500Z.mhl was changed"))
        << loadProblem().toStdString();
    const QByteArray chain = readFile(ascmhl("ascmhl_chain.xml"));
    EXPECT_NE(GenerationWriter::write(scope, {recorded("C002.mov", a)}, info), std::nullopt);
    EXPECT_EQ(readFile(ascmhl("ascmhl_chain.xml")), chain);

    writeFile(first, bytes);
    writeFile(ascmhl("ascmhl_chain.xml"),
              QByteArray(chain).replace("sequencenr=\"1\"", "sequencenr=\"2\""));
    EXPECT_TRUE(loadProblem().contains("don’t run 1, 2, 3")) << loadProblem().toStdString();
    QFile::remove(ascmhl("ascmhl_chain.xml"));
    EXPECT_TRUE(loadProblem().contains("has manifests but no ascmhl_chain.xml"));

    // Paths no reader would accept are refused before anything is written.
    QDir(ascmhl()).removeRecursively();
    for (const auto& files : {QList{recorded("C001.mov", a), recorded("C001.mov", b)},
                              QList{recorded("../C001.mov", a)}, QList{recorded("C1", "xyz")}})
        EXPECT_NE(GenerationWriter::write(scope, files, info), std::nullopt);
    EXPECT_FALSE(MhlHistory::exists(scope));
}

// A process killed after its manifest took its name and before the chain listed it.
TEST_F(MhlHistoryTest, AManifestLeftWithoutItsChainEntryKeepsItsNumberAlone) {
    ASSERT_EQ(GenerationWriter::write(scope, {recorded("C001.mov", a)}, info), std::nullopt);
    const QByteArray chainOfOne = readFile(ascmhl("ascmhl_chain.xml"));
    info.startedAt = at(10, 0);
    ASSERT_EQ(GenerationWriter::write(scope, {recorded("C002.mov", a)}, info), std::nullopt);
    writeFile(ascmhl("ascmhl_chain.xml"), chainOfOne);
    ASSERT_EQ(load().generations().size(), 1);

    info.startedAt = at(11, 0);
    ASSERT_EQ(GenerationWriter::write(scope, {recorded("C003.mov", a)}, info), std::nullopt);
    EXPECT_EQ(
        QDir(ascmhl()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"0001_A002R2EC_2020-01-16_091500Z.mhl", "0002_A002R2EC_2020-01-16_100000Z.mhl",
                     "0003_A002R2EC_2020-01-16_110000Z.mhl", "ascmhl_chain.xml"}));
    EXPECT_EQ(load().recordedFiles().size(), 3);

    // One that is no manifest is not taken for the history's own, and nothing grows beside it.
    writeFile(ascmhl("0004_A002R2EC_2020-01-16_120000Z.mhl"), "<half");
    const QByteArray chain = readFile(ascmhl("ascmhl_chain.xml"));
    info.startedAt = at(13, 0);
    EXPECT_TRUE(GenerationWriter::write(scope, {recorded("C004.mov", a)}, info)
                    .value_or(QString())
                    .contains("0004_A002R2EC_2020-01-16_120000Z.mhl, which its chain doesn’t "
                              "list"));
    EXPECT_EQ(readFile(ascmhl("ascmhl_chain.xml")), chain);
    EXPECT_FALSE(QFile::exists(ascmhl("0004_A002R2EC_2020-01-16_130000Z.mhl")));
}

TEST_F(MhlHistoryTest, FolderHashesOnlyWhenTheFilesAreTheWholeFolder) {
    const auto manifest = [&](bool whole) {
        GenerationWriter::Info with = info;
        with.coversWholeFolder = whole;
        return GenerationWriter::manifest({recorded("Clips/C001.mov", a)}, with, {});
    };
    EXPECT_FALSE(manifest(false).rootHash);
    EXPECT_TRUE(manifest(false).directories.isEmpty());
    const MhlManifest whole = manifest(true);
    ASSERT_TRUE(whole.rootHash);
    ASSERT_EQ(whole.directories.size(), 1);
    EXPECT_EQ(whole.directories[0].path, "Clips");
    // The only child's content hash is the hash of its value's bytes.
    EXPECT_EQ(whole.directories[0].content[0].value,
              FormatHasher::of(HashFormat::xxh128, QByteArray::fromHex(a.toLatin1())));
}

// A verifier checks the destination as a whole by its root hash, so it is written only while
// every file there is recorded.
TEST_F(MhlHistoryTest, TheRootIsHashedWhileTheFolderHoldsNothingUnrecorded) {
    writeFile(scope + "/Clips/C001.mov", "abc");
    writeFile(scope + "/C002.mov", "abc");
    const QList<GenerationWriter::File> files{recorded("Clips/C001.mov", a),
                                              recorded("C002.mov", b)};
    ASSERT_EQ(GenerationWriter::write(scope, files, info), std::nullopt);
    QList<MhlManifest::File> entries;
    for (const GenerationWriter::File& file : files)
        entries << MhlManifest::File{
            file.relativePath, file.size, {}, {}, {{HashFormat::xxh128, file.xxh128, {}, {}}}};
    const auto root = load().generations().last().manifest.rootHash;
    ASSERT_TRUE(root);
    EXPECT_EQ(root->content, DirectoryHashes::compute(entries, {HashFormat::xxh128}).root.content);
    EXPECT_TRUE(readFile(ascmhl("0001_A002R2EC_2020-01-16_091500Z.mhl")).contains("<roothash>"));

    // A file nobody recorded: the folders that hold only recorded files keep their hashes.
    writeFile(scope + "/notes.txt", "mine");
    info.startedAt = at(10, 0);
    ASSERT_EQ(GenerationWriter::write(scope, {recorded("Clips/C001.mov", a)}, info), std::nullopt);
    const MhlManifest second = load().generations().last().manifest;
    EXPECT_FALSE(second.rootHash);
    ASSERT_EQ(second.directories.size(), 1);
    EXPECT_EQ(second.directories[0].path, "Clips");
}

} // namespace
} // namespace stowly::test
