#include "copy/C4.h"
#include "copy/Copier.h"
#include "copy/FormatHasher.h"
#include "copy/Xxh128.h"
#include "mhl/DirectoryHashes.h"
#include "mhl/ManifestXml.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

namespace stowly::test {
namespace {

// Values from xxhsum -H2/-H3/-H1 and Python's hashlib, computed outside this code.
TEST(HashValuesTest, MatchIndependentImplementations) {
    const auto xxh128 = [](const QByteArray& bytes, qsizetype piece) {
        Xxh128 hash;
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            hash.update(bytes.constData() + at, qMin(piece, bytes.size() - at));
        return Copier::hexString(hash.finish());
    };
    QByteArray pattern;
    for (int i = 0; i < 256000; ++i)
        pattern += char(i % 256);
    EXPECT_EQ(xxh128({}, 1), "99aa06d3014798d86001c324468d497f");
    EXPECT_EQ(xxh128("abc", 1), "06b05ab6733a618578af5f94892f3950");
    // Fed in uneven pieces, as the copy engine's chunks arrive.
    EXPECT_EQ(xxh128(pattern, 1000003), "548512d98989de2d776474c39d20f9aa");
    EXPECT_EQ(xxh128(pattern, 4099), "548512d98989de2d776474c39d20f9aa");

    FormatHasher all(hashFormat::all());
    all.update("ab", 2);
    all.update("c", 1);
    const QMap<HashFormat, QString> values = all.finish();
    EXPECT_EQ(values[HashFormat::xxh128], "06b05ab6733a618578af5f94892f3950");
    EXPECT_EQ(values[HashFormat::xxh3], "78af5f94892f3950");
    EXPECT_EQ(values[HashFormat::xxh64], "44bc2cf5ad770999");
    EXPECT_EQ(values[HashFormat::md5], "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(values[HashFormat::sha1], "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(values[HashFormat::c4], C4::id("abc"));
}

TEST(C4Test, IdsOfKnownBytesAndTheirDigestsBack) {
    EXPECT_EQ(C4::id(""), "c459dsjfscH38cYeXXYogktxf4Cd9ibshE3BHUo6a58hBXmRQdZrAkZzsWcbWtDg5oQs"
                          "tpDuni4Hirj75GEmTc1sFT");
    EXPECT_EQ(C4::id("abc"), "c45S4rnaTNWonxss1u8LzsaJdEph1AJhWUF4sh2waXKMsutyfAxg4ybUeuXVWS9HdN"
                             "cEypmeXn8FZGonD4w1rj9DZp");
    EXPECT_EQ(C4::id("foo"), "c45xZeXwMSpqXjpDumcHMA6mhoAmGHkUo7r9WmN2UgSEQzj9KjgseaQdkEJ11fGb5S"
                             "1WEENcV3q8RFWwEeVpC7Fjk2");
    for (const QByteArray& bytes : {QByteArray(), QByteArray("abc"), QByteArray(100, '\0')})
        EXPECT_EQ(C4::digest(C4::id(bytes)),
                  QCryptographicHash::hash(bytes, QCryptographicHash::Sha512));
    const QString good = C4::id("abc");
    EXPECT_FALSE(C4::digest(good.left(89)));
    EXPECT_FALSE(C4::digest(QString(good).replace(5, 1, u'0')));
    EXPECT_FALSE(C4::digest(QStringLiteral("c5") + good.mid(2)));
    // 88 digits of the largest value say more than 512 bits hold.
    EXPECT_FALSE(C4::digest(QStringLiteral("c4") + QString(88, u'z')));
}

MhlManifest::File file(const QString& path, const QByteArray& content) {
    return {path,
            content.size(),
            std::nullopt,
            std::nullopt,
            {{HashFormat::md5, FormatHasher::of(HashFormat::md5, content),
              MhlManifest::Action::original, std::nullopt},
             {HashFormat::c4, C4::id(content), MhlManifest::Action::original, std::nullopt}}};
}

QString valueIn(const QList<MhlManifest::Hash>& hashes, HashFormat format) {
    for (const auto& hash : hashes)
        if (hash.format == format)
            return hash.value;
    return {};
}

// The tree's values were worked out with Python's hashlib from the definition.
TEST(DirectoryHashesTest, ContentAndStructureOfASmallTree) {
    QList<MhlManifest::File> files{file("A/clip1.mov", "one"), file("A/clip2.mov", "two"),
                                   file("B/x.wav", "three"), file("top.txt", "four")};
    const auto result = DirectoryHashes::compute(files, {HashFormat::md5, HashFormat::c4});
    EXPECT_EQ(valueIn(result.root.content, HashFormat::md5), "d0fb362b95c031b98d6d802f7891d7eb");
    EXPECT_EQ(valueIn(result.root.structure, HashFormat::md5), "8115c89bd39b205ca82115986b852eea");
    EXPECT_EQ(valueIn(result.root.content, HashFormat::c4),
              "c43brb2yfKNRj3tqmgBw2hWS59iwGQVvWj4X853zU7zwnGgXAAr1iFzEnrosy2vN9z8HkZ7VmJbm1bSHkH"
              "DGsqjCLs");
    EXPECT_EQ(valueIn(result.root.structure, HashFormat::c4),
              "c42Ek8hoBnkmjYPJMNhqpHxQA9ii9VGAfWZY5aZWXDuN92E3W2LyzRjzcp3Rprk9EJNE2Br6aaxvpAQM91"
              "E9ab9VT2");
    ASSERT_EQ(result.directories.size(), 2);
    const auto& a =
        result.directories[0].path == "A" ? result.directories[0] : result.directories[1];
    EXPECT_EQ(valueIn(a.content, HashFormat::md5), "cf5ee7b5ea1bc2b55af82075798f5f54");
    EXPECT_EQ(valueIn(a.structure, HashFormat::md5), "e9f8dfd7597f8d202b24799ee0962677");
    EXPECT_FALSE(a.content.first().action);

    // A rename changes the structure only.
    files[1].path = "A/renamed.mov";
    const auto renamed = DirectoryHashes::compute(files, {HashFormat::md5});
    EXPECT_EQ(valueIn(renamed.root.content, HashFormat::md5), "d0fb362b95c031b98d6d802f7891d7eb");
    EXPECT_EQ(valueIn(renamed.root.structure, HashFormat::md5), "9b473e3af8bc8ef4a674c661969f7674");
    // A format one file lacks is left out; an empty folder hashes nothing.
    files[0].hashes.removeLast();
    EXPECT_TRUE(DirectoryHashes::compute(files, {HashFormat::c4}).root.content.isEmpty());
    EXPECT_EQ(
        valueIn(DirectoryHashes::compute({}, {HashFormat::md5}).root.content, HashFormat::md5),
        "d41d8cd98f00b204e9800998ecf8427e");
}

MhlManifest sample() {
    MhlManifest manifest;
    manifest.creationDate = QDateTime(QDate(2020, 1, 16), QTime(9, 15), Qt::UTC);
    manifest.hostName = "station";
    manifest.toolName = "Stowly";
    manifest.toolVersion = "1.0";
    manifest.comment = "Day 1 & more <notes>";
    manifest.process = MhlManifest::Process::transfer;
    manifest.ignorePatterns = {".DS_Store", "ascmhl/"};
    MhlManifest::File clip = file("Clips/A001 C002.mov", "one");
    // Given out of order: written in the schema's.
    clip.hashes.prepend({HashFormat::xxh128, "06b05ab6733a618578af5f94892f3950",
                         MhlManifest::Action::verified, manifest.creationDate});
    manifest.files = {clip};
    const auto folders = DirectoryHashes::compute(manifest.files, {HashFormat::md5});
    manifest.directories = folders.directories;
    manifest.rootHash = folders.root;
    return manifest;
}

TEST(ManifestXmlTest, WritesTheSchemasOrderAndReadsItBack) {
    const MhlManifest manifest = sample();
    const QByteArray xml = ManifestXml::write(manifest);
    const qsizetype c4 = xml.indexOf("<c4 "), md5 = xml.indexOf("<md5 "),
                    xxh = xml.indexOf("<xxh128 ");
    EXPECT_TRUE(c4 > 0 && c4 < md5 && md5 < xxh) << xml.toStdString();
    for (const char* part :
         {"<hashlist xmlns=\"urn:ASC:MHL:v2.0\" version=\"2.0\">",
          "<creationdate>2020-01-16T09:15:00Z</creationdate>",
          "<tool version=\"1.0\">Stowly</tool>", "<process>transfer</process>",
          "<pattern>ascmhl/</pattern>", "<path size=\"3\">Clips/A001 C002.mov</path>",
          "<xxh128 action=\"verified\" hashdate=\"2020-01-16T09:15:00Z\">",
          "<directoryhash>\n      <path>Clips</path>", "<roothash>\n      <content>"})
        EXPECT_TRUE(xml.contains(part)) << part << "\n" << xml.toStdString();
    // The processinfo order the schema wants: process, roothash, ignore.
    EXPECT_LT(xml.indexOf("<process>"), xml.indexOf("<roothash>"));
    EXPECT_LT(xml.indexOf("<roothash>"), xml.indexOf("<ignore>"));

    auto read = ManifestXml::read(xml, "0001_x.mhl");
    ASSERT_TRUE(std::holds_alternative<MhlManifest>(read)) << std::get<QString>(read).toStdString();
    MhlManifest expected = manifest;
    std::sort(expected.files[0].hashes.begin(), expected.files[0].hashes.end(),
              [](const auto& a, const auto& b) { return a.format < b.format; });
    EXPECT_EQ(std::get<MhlManifest>(read), expected);
}

TEST(ManifestXmlTest, RefusesWhatIsNotAValidManifestWithItsFileName) {
    const QByteArray good = ManifestXml::write(sample());
    const QString hash = FormatHasher::of(HashFormat::md5, "one");
    const auto withHash = [&](const QByteArray& element) {
        QByteArray xml = good;
        return xml.replace("<md5 action=\"original\">" + hash.toLatin1() + "</md5>", element);
    };
    const QList<QPair<const char*, QByteArray>> cases{
        {"empty", QByteArray()},
        {"cut short", good.left(good.size() / 2)},
        {"not XML", "hashlist"},
        {"other namespace", QByteArray(good).replace("urn:ASC:MHL:v2.0", "urn:other")},
        {"other version", QByteArray(good).replace("version=\"2.0\"", "version=\"1.1\"")},
        {"unknown format", withHash("<sha256 action=\"original\">ab</sha256>")},
        {"not a value", withHash("<md5 action=\"original\">xyz</md5>")},
        {"no action", withHash("<md5>" + hash.toLatin1() + "</md5>")},
        {"unknown action", withHash("<md5 action=\"new\">" + hash.toLatin1() + "</md5>")},
        {"twice the format",
         withHash("<md5 action=\"original\">" + hash.toLatin1() +
                  "</md5><md5 action=\"original\">" + hash.toLatin1() + "</md5>")},
        {"leaves the folder", QByteArray(good).replace(">Clips/A001", ">../A001")},
        {"absolute", QByteArray(good).replace(">Clips/A001", ">/A001")},
        {"bad size", QByteArray(good).replace("size=\"3\"", "size=\"-3\"")},
        {"recorded twice",
         QByteArray(good).replace("<path>Clips</path>", "<path>Clips/A001 C002.mov</path>")},
        {"no creatorinfo", QByteArray(good).replace("creatorinfo>", "x>")},
        {"trailing element", good + "<hashlist/>"},
    };
    for (const auto& [name, bytes] : cases) {
        const auto read = ManifestXml::read(bytes, "0003_card.mhl");
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << name;
        EXPECT_TRUE(std::get<QString>(read).startsWith("0003_card.mhl isn’t a valid"))
            << name << ": " << std::get<QString>(read).toStdString();
    }
}

} // namespace
} // namespace stowly::test
