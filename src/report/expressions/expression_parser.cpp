#include "expression_node.h"

#include <QList>
#include <optional>

namespace {

enum class TokenType { Number, String, Name, Symbol, End };

struct Token {
    TokenType type = TokenType::End;
    QString text;
    QVariant value;
};

bool IsNameStart(QChar c) { return c.isLetter() || c == u'_'; }
bool IsNamePart(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'#'; }

[[noreturn]] void Fail(const QString& message) { throw EExpressionCompileError(message); }

class Tokenizer {
public:
    explicit Tokenizer(const QString& text) : s_(text) {}

    QList<Token> Tokens()
    {
        QList<Token> tokens;
        for (;;) {
            while (i_ < s_.size() && s_[i_].isSpace())
                ++i_;
            if (i_ >= s_.size())
                break;
            tokens << Next();
        }
        tokens << Token{};
        return tokens;
    }

private:
    Token Next()
    {
        const QChar c = s_[i_];
        if (c.isDigit())
            return Number();
        if (c == u'\'')
            return String();
        if (IsNameStart(c)) {
            const qsizetype start = i_;
            while (i_ < s_.size() && IsNamePart(s_[i_]))
                ++i_;
            return {TokenType::Name, s_.mid(start, i_ - start), {}};
        }
        for (const char* symbol : {"<>", "<=", ">="})
            if (QStringView(s_).mid(i_).startsWith(QLatin1String(symbol))) {
                i_ += 2;
                return {TokenType::Symbol, QLatin1String(symbol), {}};
            }
        if (QStringLiteral("+-*/=<>(),").contains(c)) {
            ++i_;
            return {TokenType::Symbol, c, {}};
        }
        Fail(QStringLiteral("Unexpected character '%1'").arg(c));
    }

    Token Number()
    {
        const qsizetype start = i_;
        auto digits = [&] {
            while (i_ < s_.size() && s_[i_].isDigit())
                ++i_;
        };
        digits();
        bool floating = false;
        if (i_ + 1 < s_.size() && s_[i_] == u'.' && s_[i_ + 1].isDigit()) {
            floating = true;
            ++i_;
            digits();
        }
        if (i_ < s_.size() && (s_[i_] == u'e' || s_[i_] == u'E')) {
            qsizetype j = i_ + 1;
            if (j < s_.size() && (s_[j] == u'+' || s_[j] == u'-'))
                ++j;
            if (j < s_.size() && s_[j].isDigit()) {
                floating = true;
                i_ = j;
                digits();
            }
        }
        const QString text = s_.mid(start, i_ - start);
        bool whole = false;
        const qlonglong n = floating ? 0 : text.toLongLong(&whole);
        return {TokenType::Number, text, whole ? QVariant(n) : QVariant(text.toDouble())};
    }

    Token String()
    {
        QString value;
        for (++i_; i_ < s_.size(); ++i_) {
            if (s_[i_] != u'\'') {
                value += s_[i_];
            } else if (i_ + 1 < s_.size() && s_[i_ + 1] == u'\'') {
                value += u'\'';
                ++i_;
            } else {
                ++i_;
                return {TokenType::String, value, value};
            }
        }
        Fail(QStringLiteral("Unterminated string"));
    }

    const QString& s_;
    qsizetype i_ = 0;
};

const QList<std::pair<QString, ExpressionOp>> kRelations = {
    {QStringLiteral("="), ExpressionOp::Equal},        {QStringLiteral("<>"), ExpressionOp::NotEqual},
    {QStringLiteral("<"), ExpressionOp::Less},         {QStringLiteral(">"), ExpressionOp::Greater},
    {QStringLiteral("<="), ExpressionOp::LessOrEqual}, {QStringLiteral(">="), ExpressionOp::GreaterOrEqual}};
const QList<std::pair<QString, ExpressionOp>> kAdditions = {{QStringLiteral("+"), ExpressionOp::Add},
                                                            {QStringLiteral("-"), ExpressionOp::Subtract},
                                                            {QStringLiteral("or"), ExpressionOp::Or},
                                                            {QStringLiteral("xor"), ExpressionOp::Xor}};
const QList<std::pair<QString, ExpressionOp>> kMultiplications = {{QStringLiteral("*"), ExpressionOp::Multiply},
                                                                  {QStringLiteral("/"), ExpressionOp::Divide},
                                                                  {QStringLiteral("div"), ExpressionOp::IntDivide},
                                                                  {QStringLiteral("mod"), ExpressionOp::Modulo},
                                                                  {QStringLiteral("and"), ExpressionOp::And}};

NodePtr MakeNode(ExpressionNode node) { return std::make_shared<const ExpressionNode>(std::move(node)); }

NodePtr LiteralNode(QVariant value)
{
    ExpressionNode node;
    node.value = std::move(value);
    return MakeNode(std::move(node));
}

NodePtr NameNode(QString name)
{
    ExpressionNode node;
    node.kind = ExpressionNode::Kind::Name;
    node.name = std::move(name);
    return MakeNode(std::move(node));
}

class Parser {
public:
    explicit Parser(const QString& text) : tokens_(Tokenizer(text).Tokens()) {}

    NodePtr Parse()
    {
        NodePtr root = Relation();
        if (Peek().type != TokenType::End)
            Fail(QStringLiteral("Unexpected '%1'").arg(Peek().text));
        return root;
    }

private:
    const Token& Peek() const { return tokens_[pos_]; }
    const Token& Take() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }
    bool IsWord(const Token& t, const char* word) const
    {
        return t.type == TokenType::Name && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool IsSymbol(const char* symbol) const
    {
        return Peek().type == TokenType::Symbol && Peek().text == QLatin1String(symbol);
    }
    void Expect(const char* symbol)
    {
        if (!IsSymbol(symbol))
            Fail(QStringLiteral("'%1' expected").arg(QLatin1String(symbol)));
        Take();
    }

    // The operator of the next token among `ops`, if it is one.
    std::optional<ExpressionOp> OperatorOf(const QList<std::pair<QString, ExpressionOp>>& ops) const
    {
        const Token& t = Peek();
        if (t.type != TokenType::Symbol && t.type != TokenType::Name)
            return std::nullopt;
        for (const auto& [text, op] : ops)
            if (t.text.compare(text, Qt::CaseInsensitive) == 0)
                return op;
        return std::nullopt;
    }

    template <typename Next>
    NodePtr Chain(const QList<std::pair<QString, ExpressionOp>>& ops, Next next)
    {
        NodePtr left = (this->*next)();
        while (const std::optional<ExpressionOp> op = OperatorOf(ops)) {
            Take();
            left = MakeNode({ExpressionNode::Kind::Binary, {}, {}, *op, {left, (this->*next)()}});
        }
        return left;
    }

    NodePtr Relation()
    {
        NodePtr left = Simple();
        if (const std::optional<ExpressionOp> op = OperatorOf(kRelations)) {
            Take();
            left = MakeNode({ExpressionNode::Kind::Binary, {}, {}, *op, {left, Simple()}});
        }
        return left;
    }
    NodePtr Simple() { return Chain(kAdditions, &Parser::Term); }
    NodePtr Term() { return Chain(kMultiplications, &Parser::Factor); }

    NodePtr Factor()
    {
        const Token t = Take();
        switch (t.type) {
        case TokenType::Number:
        case TokenType::String: return LiteralNode(t.value);
        case TokenType::Name: return NameOrCall(t);
        case TokenType::Symbol:
            if (t.text == u'(') {
                NodePtr inner = Relation();
                Expect(")");
                return inner;
            }
            if (t.text == u'-' || t.text == u'+')
                return MakeNode({ExpressionNode::Kind::Unary, {}, {},
                                 t.text == u'-' ? ExpressionOp::Negate : ExpressionOp::Plus, {Factor()}});
            break;
        case TokenType::End: Fail(QStringLiteral("Unexpected end of expression"));
        }
        Fail(QStringLiteral("Unexpected '%1'").arg(t.text));
    }

    NodePtr NameOrCall(const Token& t)
    {
        if (IsWord(t, "not"))
            return MakeNode({ExpressionNode::Kind::Unary, {}, {}, ExpressionOp::Not, {Factor()}});
        if (IsWord(t, "true") || IsWord(t, "false"))
            return LiteralNode(IsWord(t, "true"));
        if (IsWord(t, "null"))
            return LiteralNode(NullVariant());
        if (!IsSymbol("("))
            return NameNode(t.text);
        if (!IsWord(t, "iif"))
            Fail(QStringLiteral("Undeclared identifier: '%1'").arg(t.text));
        Take();
        std::vector<NodePtr> args{Relation()};
        for (int i = 0; i < 2; ++i) {
            Expect(",");
            args.push_back(Relation());
        }
        Expect(")");
        return MakeNode({ExpressionNode::Kind::Iif, {}, {}, ExpressionOp::Plus, std::move(args)});
    }

    QList<Token> tokens_;
    qsizetype pos_ = 0;
};

}  // namespace

CompiledExpression CompileExpression(const QString& text) { return Parser(text).Parse(); }
