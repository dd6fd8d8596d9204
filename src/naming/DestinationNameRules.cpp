#include "naming/DestinationNameRules.h"

#include "base/Graphemes.h"
#include "base/NameRules.h"

#include <QStringList>

#include <algorithm>

namespace stowly {
namespace {

DestinationNameRules exfatRules() {
    DestinationNameRules rules;
    rules.refusesWindowsCharacters = true;
    rules.caseInsensitive = true;
    rules.dropsTrailingDotsAndSpaces = true;
    rules.maxBytes = 0;
    rules.maxUnits = 255;
    return rules;
}

// FAT, NTFS and SMB shares: what Windows itself allows.
DestinationNameRules windowsRules() {
    DestinationNameRules rules = exfatRules();
    rules.reservesDeviceNames = true;
    return rules;
}

bool isDeviceName(QStringView base) {
    static const QStringList plain = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                      QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (base.size() == 3)
        return plain.contains(base.toString().toUpper());
    if (base.size() != 4 || !(base.left(3).compare(u"COM", Qt::CaseInsensitive) == 0 ||
                              base.left(3).compare(u"LPT", Qt::CaseInsensitive) == 0))
        return false;
    // Windows counts the superscript digits as digits here too.
    const QChar digit = base[3];
    return (digit >= u'1' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' ||
           digit == u'\u00B3';
}

int smallestLimit(int a, int b) {
    if (a <= 0)
        return b;
    if (b <= 0)
        return a;
    return std::min(a, b);
}

} // namespace

DestinationNameRules DestinationNameRules::forFileSystem(const QString& type) {
    const QString t = type.trimmed().toLower();
    static const QStringList fat = {QStringLiteral("vfat"), QStringLiteral("msdos"),
                                    QStringLiteral("fat"), QStringLiteral("umsdos"),
                                    QStringLiteral("fuse.fusefat")};
    static const QStringList exfat = {QStringLiteral("exfat"), QStringLiteral("fuse.exfat"),
                                      QStringLiteral("fuseblk.exfat")};
    // "fuseblk" is ntfs-3g or exfat-fuse; the NTFS rules cover both.
    static const QStringList ntfs = {
        QStringLiteral("ntfs"),        QStringLiteral("ntfs3"),
        QStringLiteral("ntfs-3g"),     QStringLiteral("fuse.ntfs-3g"),
        QStringLiteral("fuseblk"),     QStringLiteral("ufsd_ntfs"),
        QStringLiteral("tuxera_ntfs"), QStringLiteral("fuseblk.ntfs-3g")};
    static const QStringList smb = {QStringLiteral("cifs"), QStringLiteral("smb3"),
                                    QStringLiteral("smbfs"), QStringLiteral("fuse.smbnetfs"),
                                    QStringLiteral("fuse.rclone")};
    static const QStringList posixFuse = {QStringLiteral("fuse.sshfs"), QStringLiteral("sshfs")};
    static const QStringList foldingCase = {QStringLiteral("hfs"), QStringLiteral("hfsplus"),
                                            QStringLiteral("apfs"), QStringLiteral("fuse.apfs")};
    if (exfat.contains(t))
        return exfatRules();
    if (fat.contains(t) || ntfs.contains(t) || smb.contains(t))
        return windowsRules();
    if (posixFuse.contains(t))
        return {};
    if (foldingCase.contains(t)) {
        DestinationNameRules rules;
        rules.caseInsensitive = true;
        return rules;
    }
    if (t == u"fuse" || t.startsWith(u"fuse.") || t.startsWith(u"fuseblk."))
        return windowsRules();
    return {};
}

DestinationNameRules DestinationNameRules::strictest(const QList<DestinationNameRules>& all) {
    if (all.isEmpty())
        return {};
    DestinationNameRules rules = all.first();
    for (const DestinationNameRules& other : all) {
        rules.refusesWindowsCharacters |= other.refusesWindowsCharacters;
        rules.caseInsensitive |= other.caseInsensitive;
        rules.dropsTrailingDotsAndSpaces |= other.dropsTrailingDotsAndSpaces;
        rules.reservesDeviceNames |= other.reservesDeviceNames;
        rules.maxBytes = smallestLimit(rules.maxBytes, other.maxBytes);
        rules.maxUnits = smallestLimit(rules.maxUnits, other.maxUnits);
    }
    return rules;
}

QString DestinationNameRules::safe(const QString& name) const {
    QString result = name;
    for (QChar& c : result)
        if (c == u'/' || c == QChar(0) ||
            (refusesWindowsCharacters && (c.unicode() < 0x20 || NameRules::isIllegal(c.unicode()))))
            c = u'-';

    const auto fits = [this](const QString& text) {
        return (maxBytes <= 0 || graphemes::utf8Size(text) <= maxBytes) &&
               (maxUnits <= 0 || text.size() <= maxUnits);
    };
    // Each step can undo another (a cut leaves a trailing space, "_" makes a name too long), so
    // they are repeated until the name holds still.
    for (int round = 0; round < 4; ++round) {
        const QString before = result;
        if (dropsTrailingDotsAndSpaces) {
            while (result.endsWith(u'.') || result.endsWith(u' '))
                result.chop(1);
            if (result.isEmpty())
                result = QStringLiteral("Untitled");
        }
        if (reservesDeviceNames) {
            // Windows reads the name up to its first dot, spaces before the dot ignored.
            qsizetype end = result.indexOf(u'.');
            if (end < 0)
                end = result.size();
            while (end > 0 && result[end - 1] == u' ')
                --end;
            if (isDeviceName(QStringView(result).left(end)))
                result.insert(end, u'_');
        }
        if (!fits(result)) {
            const qsizetype dot = result.lastIndexOf(u'.');
            QString ext = dot > 0 ? result.mid(dot) : QString();
            if (!fits(QStringLiteral("x") + ext))
                ext.clear();
            const QString stem = ext.isEmpty() ? result : result.left(dot);
            QString kept;
            bool full = false;
            graphemes::forEach(stem, [&](QStringView g) {
                const QString longer = kept + g.toString();
                if (!full && fits(longer + ext))
                    kept = longer;
                else
                    full = true;
            });
            result = kept + ext;
        }
        if (result == before)
            break;
    }
    return result;
}

QString DestinationNameRules::safeStem(const QString& stem, const QString& ext) const {
    if (ext.isEmpty())
        return safe(stem);
    const QString tail = u'.' + ext;
    const QString name = safe(stem + tail);
    return name.endsWith(tail) && name.size() > tail.size() ? name.chopped(tail.size()) : name;
}

} // namespace stowly
