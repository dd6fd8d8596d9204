#include "naming/NamingContext.h"

namespace stowly {

NamingContext NamingContext::fillingBlanks() const {
    NamingContext filled = *this;
    if (filled.project.isEmpty())
        filled.project = QStringLiteral("Project");
    if (filled.camera.isEmpty())
        filled.camera = QStringLiteral("Camera");
    if (filled.card.isEmpty())
        filled.card = QStringLiteral("Card");
    return filled;
}

} // namespace stowly
