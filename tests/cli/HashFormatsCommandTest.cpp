// The ASC MHL histories take the formats a production asks for besides xxh128, from the copy's
// own read: at the destination and at a backup made from the first copy alike, in the order
// a hash entry lists them, each value what an independent hasher gives for the file, and the
// verifier holds the copies to every one of them.

#include "cli/CliHarness.h"
#include "copy/C4.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <openssl/evp.h>

namespace stowly::test {
namespace {

QByteArray digest(const EVP_MD* kind, const QByteArray& bytes) {
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_Digest(bytes.constData(), size_t(bytes.size()), out, &size, kind, nullptr);
    return QByteArray(reinterpret_cast<const char*>(out), int(size));
}

// The manifests of the destination's history, as written: a backup from the first copy may
// get its files over more than one generation.
QByteArray manifestAt(const QString& root) {
    const QDir history(root + "/ascmhl");
    QByteArray all;
    for (const QString& name : history.entryList({"*.mhl"}, QDir::Files))
        all += readFile(history.filePath(name));
    return all;
}

// Every hash entry carries c4, md5 and xxh128 in that order, with the file's values.
void expectFormats(const QString& root) {
    const QString manifest = QString::fromUtf8(manifestAt(root));
    static const QRegularExpression entry(
        R"(<hash>\s*<path[^>]*>([^<]+)</path>\s*<c4 [^>]*>([^<]+)</c4>\s*<md5 [^>]*>([^<]+)</md5>)"
        R"(\s*<xxh128 [^>]*>[^<]+</xxh128>\s*</hash>)");
    int entries = 0;
    for (const QRegularExpressionMatch& match : entry.globalMatch(manifest)) {
        const QByteArray bytes = readFile(root + '/' + match.captured(1));
        EXPECT_EQ(match.captured(2).toLatin1(), C4::fromDigest(digest(EVP_sha512(), bytes)));
        EXPECT_EQ(C4::digest(match.captured(2)), digest(EVP_sha512(), bytes));
        EXPECT_EQ(match.captured(3).toLatin1(), digest(EVP_md5(), bytes).toHex());
        ++entries;
    }
    EXPECT_EQ(entries, 2) << manifest.toStdString();
    EXPECT_EQ(manifest.count("<hash>"), 2);
}

TEST(HashFormatsCommandTest, ChosenFormatsReachEveryHistoryAndAreVerified) {
    Cli cli;
    TempDir card, main, backup;
    writeFile(card("DCIM/100TEST/A001.JPG"), "first photo");
    writeFile(card("DCIM/100TEST/C0001.MP4"), QByteArray(3 << 20, 'v'));
    ASSERT_EQ(cli.run({"settings", "ascMhlHashes", R"(["md5","c4"])"}).status, 0);
    const CliResult run = cli.run({"offload", card.path(), "--to", main.path(), "--cascade",
                                   backup.path(), "--mhl", "--project", "Shoot", "--json"});
    ASSERT_EQ(run.status, 0) << run.errText().toStdString();
    expectFormats(main.path());
    expectFormats(backup.path());

    for (const QString& root : {main.path(), backup.path()}) {
        const CliResult verified = cli.run({"verify", root});
        EXPECT_EQ(verified.status, 0) << verified.outText().toStdString();
    }
    // The run's report names the formats it took and gives each file its values.
    TempDir out;
    const CliResult report = cli.run({"report", "--format", "json", "--out", out.path()});
    ASSERT_EQ(report.status, 0) << report.errText().toStdString();
    const QJsonObject json = QJsonDocument::fromJson(readFile(report.outText().trimmed())).object();
    EXPECT_EQ(json["hashFormats"].toVariant().toStringList(),
              QStringList({"sha256", "xxh128", "c4", "md5"}));
    for (const QJsonValue& file : json["files"].toArray())
        EXPECT_EQ(file["hashes"].toObject().keys(), QStringList({"c4", "md5"}));
    // A flipped byte at the backup fails under every format it was recorded in.
    QString clip;
    for (const QString& file : filesBelow(backup.path()))
        if (!file.startsWith("ascmhl/") && QFileInfo(backup(file)).size() > 1000)
            clip = file;
    QFile damaged(backup(clip));
    damaged.setPermissions(damaged.permissions() | QFile::WriteOwner);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.seek(1000);
    damaged.write("x");
    damaged.close();
    const CliResult failed = cli.run({"verify", backup.path()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.outText().contains("Changed: " + clip +
                                          " doesn’t match its c4, md5, xxh128 in the history."))
        << failed.outText().toStdString();
}

TEST(HashFormatsCommandTest, WithoutOtherFormatsOnlyXxh128IsWritten) {
    Cli cli;
    TempDir card, main;
    writeFile(card("DCIM/100TEST/A001.JPG"), "first photo");
    ASSERT_EQ(cli.run({"offload", card.path(), "--to", main.path(), "--mhl", "--project", "Shoot"})
                  .status,
              0);
    const QByteArray manifest = manifestAt(main.path());
    EXPECT_TRUE(manifest.contains("<xxh128 action=\"original\""));
    for (const char* other : {"<md5", "<sha1", "<c4", "<xxh64"})
        EXPECT_FALSE(manifest.contains(other)) << other;
}

} // namespace
} // namespace stowly::test
