#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace stowly {

namespace templateToken {
Q_NAMESPACE

// A name written between braces in a naming template.
enum class TemplateToken {
    project,
    camera,
    date,
    year,
    month,
    day,
    time,
    type,
    card,
    original,
    seq,
    ext
};
Q_ENUM_NS(TemplateToken)

inline constexpr std::array<TemplateToken, 12> allCases{
    TemplateToken::project, TemplateToken::camera,   TemplateToken::date, TemplateToken::year,
    TemplateToken::month,   TemplateToken::day,      TemplateToken::time, TemplateToken::type,
    TemplateToken::card,    TemplateToken::original, TemplateToken::seq,  TemplateToken::ext};

// The name written between the braces; also the token's id.
QString rawValue(TemplateToken token);
// The token as a word in a sentence ("Date", "Project"), in the user's language.
QString title(TemplateToken token);
// The help text shown beside the token.
QString summary(TemplateToken token);
// Extra names accepted for a token ("shoot" is the old name of project).
const QHash<QString, TemplateToken>& aliases();
// A lower-cased name looked up as a raw value, then as an alias.
std::optional<TemplateToken> fromName(const QString& lowerName);
// True for the tokens whose value changes from file to file of one offload.
bool variesPerFile(TemplateToken token);

} // namespace templateToken

using templateToken::TemplateToken;
} // namespace stowly
