#pragma once

#include <QTranslator>

namespace stowly {

// Answers every text with a longer, accented and bracketed form of itself, so a clipped or
// untranslated text shows at a glance. Placeholders, markup, template tokens and mnemonics
// keep their form.
class PseudoTranslator : public QTranslator {
    Q_OBJECT
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    static QString lengthened(const QString& text);
};

} // namespace stowly
