#include "naming/TemplateToken.h"

#include "base/EnumNames.h"

#include <QCoreApplication>

namespace stowly::templateToken {

QString rawValue(TemplateToken token) {
    return enumNames::name(token);
}

QString title(TemplateToken token) {
    switch (token) {
    case TemplateToken::project:
        return QCoreApplication::translate("templateToken", "Project");
    case TemplateToken::camera:
        return QCoreApplication::translate("templateToken", "Camera");
    case TemplateToken::date:
        return QCoreApplication::translate("templateToken", "Date");
    case TemplateToken::year:
        return QCoreApplication::translate("templateToken", "Year");
    case TemplateToken::month:
        return QCoreApplication::translate("templateToken", "Month");
    case TemplateToken::day:
        return QCoreApplication::translate("templateToken", "Day");
    case TemplateToken::time:
        return QCoreApplication::translate("templateToken", "Time");
    case TemplateToken::type:
        return QCoreApplication::translate("templateToken", "Type");
    case TemplateToken::card:
        return QCoreApplication::translate("templateToken", "Card");
    case TemplateToken::original:
        return QCoreApplication::translate("templateToken", "Original");
    case TemplateToken::seq:
        return QCoreApplication::translate("templateToken", "Seq");
    case TemplateToken::ext:
        return QCoreApplication::translate("templateToken", "Ext");
    }
    return rawValue(token);
}

QString summary(TemplateToken token) {
    switch (token) {
    case TemplateToken::project:
        return QCoreApplication::translate("templateToken", "Project name");
    case TemplateToken::camera:
        return QCoreApplication::translate("templateToken", "Selected camera");
    case TemplateToken::date:
        return QCoreApplication::translate("templateToken", "Capture date (2026-10-25)");
    case TemplateToken::year:
        return QCoreApplication::translate("templateToken", "Year (2026)");
    case TemplateToken::month:
        return QCoreApplication::translate("templateToken", "Month (10)");
    case TemplateToken::day:
        return QCoreApplication::translate("templateToken", "Day (25)");
    case TemplateToken::time:
        return QCoreApplication::translate("templateToken", "Capture time (143005)");
    case TemplateToken::type:
        return QCoreApplication::translate("templateToken", "Video, Photo, Audio or Other");
    case TemplateToken::card:
        return QCoreApplication::translate("templateToken", "Card (volume) name");
    case TemplateToken::original:
        return QCoreApplication::translate("templateToken", "Original file name, no extension");
    case TemplateToken::seq:
        return QCoreApplication::translate("templateToken",
                                           "Sequence number (0001); {seq:3} for 001");
    case TemplateToken::ext:
        return QCoreApplication::translate("templateToken", "File extension (mp4)");
    }
    return {};
}

const QHash<QString, TemplateToken>& aliases() {
    static const QHash<QString, TemplateToken> map{
        {QStringLiteral("shoot"), TemplateToken::project}};
    return map;
}

std::optional<TemplateToken> fromName(const QString& lowerName) {
    static const QHash<QString, TemplateToken> byRawValue = [] {
        QHash<QString, TemplateToken> map;
        for (const TemplateToken token : allCases)
            map.insert(rawValue(token), token);
        return map;
    }();
    if (const auto it = byRawValue.constFind(lowerName); it != byRawValue.constEnd())
        return *it;
    if (const auto it = aliases().constFind(lowerName); it != aliases().constEnd())
        return *it;
    return std::nullopt;
}

bool variesPerFile(TemplateToken token) {
    switch (token) {
    case TemplateToken::time:
    case TemplateToken::type:
    case TemplateToken::original:
    case TemplateToken::seq:
    case TemplateToken::ext:
        return true;
    default:
        return false;
    }
}

} // namespace stowly::templateToken
