#include "naming/NamingTemplates.h"

namespace stowly {

std::optional<NamingTemplates> NamingTemplates::make(const QString& folder, const QString& file) {
    auto folderResult = NamingTemplate::parse(folder, NamingTemplate::Kind::folder);
    auto fileResult = NamingTemplate::parse(file, NamingTemplate::Kind::file);
    if (!folderResult.template_ || !fileResult.template_)
        return std::nullopt;
    return NamingTemplates{std::move(*folderResult.template_), std::move(*fileResult.template_)};
}

const NamingTemplates& NamingTemplates::standard() {
    static const NamingTemplates templates =
        *make(QStringLiteral("{date}/{project}"), QStringLiteral("{date}_{project}_{seq}"));
    return templates;
}

} // namespace stowly
