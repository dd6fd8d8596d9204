#include "naming/NamingNeeds.h"

namespace stowly {

NamingNeeds::NamingNeeds(const std::optional<NamingTemplates>& templates) {
    const NamingTemplates& used = templates ? *templates : NamingTemplates::standard();
    usesProject =
        used.folder.contains(TemplateToken::project) || used.file.contains(TemplateToken::project);
    usesCamera =
        used.folder.contains(TemplateToken::camera) || used.file.contains(TemplateToken::camera);
}

} // namespace stowly
