#pragma once

#include <QString>

namespace stowly {

// Short readable forms of a template for summaries ("Date / Project").
class TemplateDescription {
public:
    // "{date}_{project}_{seq:3}" reads as "Date_Project_Seq".
    static QString level(const QString& text);
    // The non-empty folder levels described and joined with " / ".
    static QString levels(const QString& folderTemplate);
};

} // namespace stowly
