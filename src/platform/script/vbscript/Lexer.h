// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace zp::vbs {

/// A compile error: the language's wording and the 1-based line it is on.
class EVbsCompileError : public std::runtime_error {
public:
    EVbsCompileError(QString description, int line)
        : std::runtime_error(description.toStdString()), FDescription(std::move(description)), FLine(line) {}
    [[nodiscard]] const QString& Description() const { return FDescription; }
    [[nodiscard]] int Line() const { return FLine; }

private:
    QString FDescription;
    int FLine;
};

enum class TTok : uint8_t {
    End, // end of the source
    NewLine,
    Colon,
    Ident,   // identifiers and keywords (Kw tells them apart)
    Integer, // Int holds the value; IntKind says Integer or Long
    Real,    // Real holds the value
    String,
    Date, // Real holds the serial
    Plus,
    Minus,
    Star,
    Slash,
    Backslash,
    Caret,
    Amp,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    LParen,
    RParen,
    Comma,
    Dot,
};

/// Reserved words; identifiers that are only special in one place (To,
/// Step, In, Error, Resume, Preserve, Explicit) stay plain identifiers.
enum class TKw : uint8_t {
    None,
    And,
    ByRef,
    ByVal,
    Call,
    Case,
    Class,
    Const,
    Dim,
    Do,
    Each,
    Else,
    ElseIf,
    Empty,
    End,
    Eqv,
    Exit,
    False,
    For,
    Function,
    If,
    Imp,
    Is,
    Loop,
    Mod,
    New,
    Next,
    Not,
    Nothing,
    Null,
    On,
    Option,
    Or,
    Private,
    Property,
    Public,
    ReDim,
    Select,
    Set,
    Stop,
    Sub,
    Then,
    True,
    Until,
    Wend,
    While,
    With,
    Xor,
};

struct TToken {
    TTok Kind = TTok::End;
    TKw Kw = TKw::None;
    bool Long = false; // an Integer token too wide for 16 bits
    int Line = 1;
    int64_t Int = 0;
    double Real = 0;
    QString Text;  // identifier as written, or the string's value
    QString Lower; // identifier in lower case
};

/// Splits source into tokens. Comments and line continuations are dropped;
/// raises EVbsCompileError for an unterminated string, a bad number or date,
/// or a character the language does not use.
[[nodiscard]] std::vector<TToken> Tokenize(const QString& source);

/// The serial of a date literal's text (m/d/yyyy, optional time), or false.
[[nodiscard]] bool ParseDateLiteral(const QString& text, double& serial);

} // namespace zp::vbs
