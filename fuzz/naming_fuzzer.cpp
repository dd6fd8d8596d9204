#include "Check.h"
#include "FuzzInput.h"

#include "media/Clip.h"
#include "naming/NamingContext.h"
#include "naming/NamingTemplate.h"
#include "naming/TemplateDescription.h"
#include "naming/TemplateMigration.h"
#include "naming/TemplateRenderer.h"

using namespace stowly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzInput::setUp();
    const QString text = QString::fromUtf8(fuzzInput::bytes(data, size));
    static const NamingContext context{QStringLiteral("Coast/line"), QStringLiteral("FX3"),
                                       QStringLiteral("A:7")};
    static const Clip clip = [] {
        Clip c;
        c.relativePath = QStringLiteral("DCIM/100MSDCF/C0001.MP4");
        // A fixed date, so an input renders the same on every run.
        c.creationDate = QDateTime(QDate(2026, 10, 25), QTime(13, 30, 5), Qt::UTC);
        return c;
    }();
    for (auto kind : {NamingTemplate::Kind::folder, NamingTemplate::Kind::file}) {
        const NamingTemplate::ParseResult parsed = NamingTemplate::parse(text, kind);
        TemplateMigration::migrate(text, kind);
        if (!parsed.template_)
            continue;
        // What parses once parses the same from its own trimmed text.
        const NamingTemplate::ParseResult again =
            NamingTemplate::parse(parsed.template_->raw, kind);
        FUZZ_CHECK(again.template_ == parsed.template_);
        if (kind == NamingTemplate::Kind::folder) {
            for (const QList<TemplatePart>& level : parsed.template_->components) {
                const QString name = TemplateRenderer::renderLevel(level, clip, context);
                FUZZ_CHECK(!name.contains(u'/'));
            }
        } else {
            const auto stem = TemplateRenderer::fileStem(*parsed.template_, clip, context);
            const QString name = stem.name(99999);
            FUZZ_CHECK(!name.contains(u'/'));
            FUZZ_CHECK(name.toUtf8().size() <= TemplateRenderer::maxNameBytes);
        }
    }
    TemplateDescription::levels(text);
    return 0;
}
