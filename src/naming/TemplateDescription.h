#pragma once

#include <QString>

namespace stowly {

// Short readable forms of a template for summaries ("Date / Project").
namespace TemplateDescription {
// "{date}_{project}_{seq:3}" reads as "Date_Project_Seq".
QString level(const QString& text);
// The non-empty folder levels described and joined with " / ".
QString levels(const QString& folderTemplate);
} // namespace TemplateDescription

} // namespace stowly
