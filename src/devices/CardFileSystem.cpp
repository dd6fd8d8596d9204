#include "devices/CardFileSystem.h"

namespace stowly::cardFileSystem {
namespace {

QString cut(const QString& text, qsizetype units) {
    if (text.size() <= units)
        return text;
    // Never split a surrogate pair: half a character is not a character.
    qsizetype n = units;
    if (text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

} // namespace

std::optional<CardFileSystem> detect(const std::optional<QString>& typeText,
                                     const std::optional<QString>& nameText) {
    const QString type = typeText.value_or(QString()).toLower();
    const QString name = nameText.value_or(QString()).toLower();
    if (type == u"exfat" || name == u"exfat")
        return CardFileSystem::exFAT;
    const bool fatFamily =
        type == u"msdos" || type == u"vfat" || name.startsWith(QStringLiteral("ms-dos")) ||
        name.contains(QStringLiteral("fat32")) || name.contains(QStringLiteral("fat16"));
    if (!fatFamily)
        return std::nullopt;
    if (name.contains(QStringLiteral("fat16")))
        return CardFileSystem::fat16;
    if (name.contains(QStringLiteral("fat12")))
        return std::nullopt;
    return CardFileSystem::fat32;
}

QString exFATName(const QString& name) {
    static const QString forbidden = QStringLiteral("\"*/:<>?\\|");
    QString kept;
    for (const QChar c : name)
        if (!forbidden.contains(c) && c.category() != QChar::Other_Control &&
            c.category() != QChar::Other_Format)
            kept.append(c);
    kept = cut(kept.trimmed(), exFATNameLength).trimmed();
    return kept.isEmpty() ? QStringLiteral("Untitled") : kept;
}

QString fatName(const QString& name) {
    static const QString forbidden = QStringLiteral("\"*+,./:;<=>?[\\]|");
    QString kept;
    for (const QChar c : name.toUpper())
        if (c.unicode() <= 127 && !c.isSurrogate() && !forbidden.contains(c) &&
            c.category() != QChar::Other_Control)
            kept.append(c);
    kept = kept.trimmed().left(fatNameLength).trimmed();
    return kept.isEmpty() ? QStringLiteral("UNTITLED") : kept;
}

QString validName(CardFileSystem fileSystem, const QString& name) {
    return fileSystem == CardFileSystem::exFAT ? exFATName(name) : fatName(name);
}

QString formatName(CardFileSystem fileSystem) {
    switch (fileSystem) {
    case CardFileSystem::exFAT:
        return QStringLiteral("ExFAT");
    case CardFileSystem::fat32:
        return QStringLiteral("MS-DOS FAT32");
    case CardFileSystem::fat16:
        return QStringLiteral("MS-DOS FAT16");
    }
    return {};
}

QString eraseProgram(CardFileSystem fileSystem) {
    return fileSystem == CardFileSystem::exFAT ? QStringLiteral("mkfs.exfat")
                                               : QStringLiteral("mkfs.fat");
}

QStringList eraseArguments(CardFileSystem fileSystem, const QString& name,
                           const QString& devicePath) {
    switch (fileSystem) {
    case CardFileSystem::exFAT:
        return {QStringLiteral("-L"), name, devicePath};
    case CardFileSystem::fat32:
        return {QStringLiteral("-F"), QStringLiteral("32"), QStringLiteral("-n"), name, devicePath};
    case CardFileSystem::fat16:
        return {QStringLiteral("-F"), QStringLiteral("16"), QStringLiteral("-n"), name, devicePath};
    }
    return {};
}

QString mountType(CardFileSystem fileSystem) {
    return fileSystem == CardFileSystem::exFAT ? QStringLiteral("exfat") : QStringLiteral("vfat");
}

} // namespace stowly::cardFileSystem
