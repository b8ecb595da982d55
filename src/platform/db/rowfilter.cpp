#include "platform/db/rowfilter.h"

#include "platform/db/dberror.h"
#include "platform/db/valuetext.h"

#include <vector>

struct RowFilter::Node {
    enum Kind { And, Or, Not, Cond } kind = Cond;
    std::vector<std::unique_ptr<Node>> kids;
    int col = -1;
    QString op;
    QVariant value;
};

namespace {

struct Token {
    enum Type { Ident, Str, Num, Op, LParen, RParen, End } type = End;
    QString text;
};

class Parser {
public:
    Parser(const QString& s, const QStringList& fields) : s_(s), fields_(fields) { advance(); }

    std::unique_ptr<RowFilter::Node> parseExpr()
    {
        auto left = parseTerm();
        while (isWord("or")) {
            advance();
            auto n = std::make_unique<RowFilter::Node>();
            n->kind = RowFilter::Node::Or;
            n->kids.push_back(std::move(left));
            n->kids.push_back(parseTerm());
            left = std::move(n);
        }
        return left;
    }

    void expectEnd()
    {
        if (tok_.type != Token::End)
            fail();
    }

private:
    std::unique_ptr<RowFilter::Node> parseTerm()
    {
        auto left = parseFactor();
        while (isWord("and")) {
            advance();
            auto n = std::make_unique<RowFilter::Node>();
            n->kind = RowFilter::Node::And;
            n->kids.push_back(std::move(left));
            n->kids.push_back(parseFactor());
            left = std::move(n);
        }
        return left;
    }

    std::unique_ptr<RowFilter::Node> parseFactor()
    {
        if (isWord("not")) {
            advance();
            auto n = std::make_unique<RowFilter::Node>();
            n->kind = RowFilter::Node::Not;
            n->kids.push_back(parseFactor());
            return n;
        }
        if (tok_.type == Token::LParen) {
            advance();
            auto e = parseExpr();
            if (tok_.type != Token::RParen)
                fail();
            advance();
            return e;
        }
        if (tok_.type != Token::Ident)
            fail();
        auto n = std::make_unique<RowFilter::Node>();
        QString name = tok_.text;
        int dot = name.lastIndexOf('.');
        if (dot >= 0)
            name = name.mid(dot + 1);
        n->col = -1;
        for (int i = 0; i < fields_.size(); ++i)
            if (fields_[i].compare(name, Qt::CaseInsensitive) == 0) {
                n->col = i;
                break;
            }
        if (n->col < 0)
            throw DbError(QStringLiteral("unknown field in filter: %1").arg(tok_.text));
        advance();
        if (isWord("not")) {
            advance();
            if (!isWord("like"))
                fail();
            n->op = QStringLiteral("not like");
        } else if (isWord("like")) {
            n->op = QStringLiteral("like");
        } else if (tok_.type == Token::Op) {
            n->op = tok_.text == QLatin1String("!=") ? QStringLiteral("<>") : tok_.text;
        } else {
            fail();
        }
        advance();
        if (tok_.type == Token::Str)
            n->value = tok_.text;
        else if (tok_.type == Token::Num)
            n->value = tok_.text.toDouble();
        else if (isWord("null"))
            n->value = QVariant();
        else
            fail();
        advance();
        return n;
    }

    bool isWord(const char* w) const
    {
        return tok_.type == Token::Ident && tok_.text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }

    [[noreturn]] void fail() const { throw DbError(QStringLiteral("cannot read the filter: %1").arg(s_)); }

    void advance()
    {
        const int n = int(s_.size());
        while (pos_ < n && s_[pos_].isSpace())
            ++pos_;
        tok_ = Token();
        if (pos_ >= n)
            return;
        QChar c = s_[pos_];
        if (c == '(') {
            tok_.type = Token::LParen;
            ++pos_;
        } else if (c == ')') {
            tok_.type = Token::RParen;
            ++pos_;
        } else if (c == '\'' || c == '"') {
            QString v;
            ++pos_;
            while (true) {
                if (pos_ >= n)
                    fail();
                if (s_[pos_] == c) {
                    if (pos_ + 1 < n && s_[pos_ + 1] == c) {
                        v += c;
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                v += s_[pos_++];
            }
            tok_.type = Token::Str;
            tok_.text = v;
        } else if (c == '[') {
            int end = s_.indexOf(']', pos_);
            if (end < 0)
                fail();
            tok_.type = Token::Ident;
            tok_.text = s_.mid(pos_ + 1, end - pos_ - 1);
            pos_ = end + 1;
        } else if (c == '<' || c == '>' || c == '=' || c == '!') {
            QString op(c);
            ++pos_;
            if (pos_ < n && (s_[pos_] == '=' || (c == '<' && s_[pos_] == '>'))) {
                op += s_[pos_];
                ++pos_;
            }
            if (op == QLatin1String("!"))
                fail();
            tok_.type = Token::Op;
            tok_.text = op;
        } else if (c.isDigit() || ((c == '-' || c == '.') && pos_ + 1 < n && s_[pos_ + 1].isDigit())) {
            int start = pos_++;
            while (pos_ < n && (s_[pos_].isDigit() || s_[pos_] == '.'))
                ++pos_;
            tok_.type = Token::Num;
            tok_.text = s_.mid(start, pos_ - start);
        } else if (c.isLetter() || c == '_') {
            int start = pos_++;
            while (pos_ < n && (s_[pos_].isLetterOrNumber() || s_[pos_] == '_' || s_[pos_] == '.'))
                ++pos_;
            tok_.type = Token::Ident;
            tok_.text = s_.mid(start, pos_ - start);
        } else {
            fail();
        }
    }

    QString s_;
    QStringList fields_;
    int pos_ = 0;
    Token tok_;
};

bool likeAt(const QString& t, int ti, const QString& p, int pi)
{
    while (pi < p.size()) {
        QChar pc = p[pi];
        if (pc == '%' || pc == '*') {
            while (pi < p.size() && (p[pi] == '%' || p[pi] == '*'))
                ++pi;
            if (pi == p.size())
                return true;
            for (int k = ti; k <= t.size(); ++k)
                if (likeAt(t, k, p, pi))
                    return true;
            return false;
        }
        if (ti >= t.size())
            return false;
        if (pc != '_' && pc != '?' && t[ti] != pc)
            return false;
        ++ti;
        ++pi;
    }
    return ti == t.size();
}

int compareValues(const QVariant& a, const QVariant& b)
{
    bool an = a.typeId() == QMetaType::LongLong || a.typeId() == QMetaType::Double;
    bool bn = b.typeId() == QMetaType::LongLong || b.typeId() == QMetaType::Double;
    if (an || bn) {
        bool ok1 = true, ok2 = true;
        double x = an ? a.toDouble() : ValueText(a).toDouble(&ok1);
        double y = bn ? b.toDouble() : ValueText(b).toDouble(&ok2);
        if (ok1 && ok2)
            return x < y ? -1 : (x > y ? 1 : 0);
    }
    return ValueText(a).compare(ValueText(b), Qt::CaseInsensitive);
}

bool eval(const RowFilter::Node& n, const std::function<QVariant(int)>& value)
{
    switch (n.kind) {
    case RowFilter::Node::And:
        return eval(*n.kids[0], value) && eval(*n.kids[1], value);
    case RowFilter::Node::Or:
        return eval(*n.kids[0], value) || eval(*n.kids[1], value);
    case RowFilter::Node::Not:
        return !eval(*n.kids[0], value);
    case RowFilter::Node::Cond:
        break;
    }
    QVariant v = value(n.col);
    if (n.op == QLatin1String("like") || n.op == QLatin1String("not like")) {
        bool m = !v.isNull() && LikeMatch(ValueText(v), ValueText(n.value));
        return n.op == QLatin1String("like") ? m : !m;
    }
    if (n.value.isNull()) {
        if (n.op == QLatin1String("="))
            return v.isNull();
        if (n.op == QLatin1String("<>"))
            return !v.isNull();
        return false;
    }
    if (v.isNull())
        return false;
    int c = compareValues(v, n.value);
    if (n.op == QLatin1String("="))
        return c == 0;
    if (n.op == QLatin1String("<>"))
        return c != 0;
    if (n.op == QLatin1String("<"))
        return c < 0;
    if (n.op == QLatin1String(">"))
        return c > 0;
    if (n.op == QLatin1String("<="))
        return c <= 0;
    return c >= 0;
}

} // namespace

bool LikeMatch(const QString& text, const QString& pattern)
{
    return likeAt(text.toCaseFolded(), 0, pattern.toCaseFolded(), 0);
}

RowFilter::RowFilter(const QString& expression, const QStringList& fields)
{
    Parser p(expression, fields);
    root_ = p.parseExpr();
    p.expectEnd();
}

RowFilter::~RowFilter() = default;

bool RowFilter::Matches(const std::function<QVariant(int)>& value) const
{
    return eval(*root_, value);
}
