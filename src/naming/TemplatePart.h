#pragma once

#include "naming/TemplateToken.h"

#include <QString>

#include <optional>
#include <variant>

namespace stowly {

// One element of a parsed template level: literal text or a token.
struct TemplatePart {
    struct Literal {
        QString text;
        friend bool operator==(const Literal&, const Literal&) = default;
    };
    struct Token {
        TemplateToken token = TemplateToken::project;
        // Only for seq written with a width, as in {seq:3}.
        std::optional<int> padding;
        friend bool operator==(const Token&, const Token&) = default;
    };

    std::variant<Literal, Token> value;

    static TemplatePart literal(QString text) { return {Literal{std::move(text)}}; }
    static TemplatePart token(TemplateToken token, std::optional<int> padding = std::nullopt) {
        return {Token{token, padding}};
    }

    const Literal* asLiteral() const { return std::get_if<Literal>(&value); }
    const Token* asToken() const { return std::get_if<Token>(&value); }
    bool isToken(TemplateToken token) const {
        const Token* t = asToken();
        return t && t->token == token;
    }

    friend bool operator==(const TemplatePart&, const TemplatePart&) = default;
};

} // namespace stowly
