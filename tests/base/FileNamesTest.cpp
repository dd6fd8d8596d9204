#include "base/FileNames.h"

#include <QList>

#include <gtest/gtest.h>

using namespace stowly;

TEST(FileNamesTest, OnlyWellFormedUtf8SequencesCountAndOnlySpacesAndTabsAreTrimmed) {
    const QList<std::pair<QByteArray, qsizetype>> cases{
        {"a", 1},
        {"\xC3\xA9", 2},
        {"\xE6\x9D\xB1", 3},
        {"\xF0\x9F\x93\xB7", 4},
        {"\xC0\x80", 0},         // overlong
        {"\xE0\x80\x80", 0},     // overlong
        {"\xED\xA0\x80", 0},     // a surrogate
        {"\xF4\x90\x80\x80", 0}, // past U+10FFFF
        {"\xE6\x9D", 0},         // cut short
        {"\x80", 0},             // a continuation byte alone
        {"\xC3\x28", 0},         // not followed by a continuation byte
    };
    for (const auto& [bytes, length] : cases)
        EXPECT_EQ(fileNames::utf8SequenceLength(bytes.constData(), bytes.size()), length)
            << bytes.toHex().constData();
    // Each byte outside a valid sequence stands for itself, so two names never decode alike.
    EXPECT_EQ(fileNames::decode("a\xC3\xA9\xFF\xED\xA0\x80"), QString::fromUtf8("aé%FF%ED%A0%80"));

    EXPECT_EQ(fileNames::trimSpacesAndTabs(u" \t*.tmp\t "), QString("*.tmp"));
    EXPECT_EQ(fileNames::trimSpacesAndTabs(u"\n a\u00A0"), QStringView(u"\n a\u00A0").toString());
    EXPECT_EQ(fileNames::trimSpacesAndTabs(u" \t "), QString());
}
