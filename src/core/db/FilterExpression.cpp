#include "core/db/FilterExpression.h"

#include <QStringList>
#include <QVariant>

#include "core/base/Errors.h"
#include "core/base/Variants.h"

namespace {

enum class TokenKind { Name, Text, Number, Operator, OpenParen, CloseParen, End };

struct Token {
  TokenKind kind = TokenKind::End;
  QString text;
};

[[noreturn]] void Fail(const QString& expression, const QString& reason) {
  throw EError(QStringLiteral("过滤条件有误(%1): %2").arg(reason, expression));
}

class Lexer {
 public:
  explicit Lexer(const QString& text) : text_(text) {}

  QList<Token> Tokens() {
    QList<Token> tokens;
    while (true) {
      SkipBlanks();
      if (at_ >= text_.size()) break;
      tokens << Next();
    }
    tokens << Token{TokenKind::End, {}};
    return tokens;
  }

 private:
  void SkipBlanks() {
    while (at_ < text_.size() && text_[at_].isSpace()) ++at_;
  }

  Token Next() {
    const QChar c = text_[at_];
    if (c == u'(') return Single(TokenKind::OpenParen);
    if (c == u')') return Single(TokenKind::CloseParen);
    if (c == u'\'') return QuotedText();
    if (c == u'[') return BracketName();
    if (c == u'=' || c == u'<' || c == u'>') return Comparison();
    if (c.isDigit() ||
        ((c == u'-' || c == u'.') && at_ + 1 < text_.size() && text_[at_ + 1].isDigit()))
      return NumberToken();
    if (c.isLetter() || c == u'_') return Word();
    Fail(text_, QStringLiteral("无法识别的字符 '%1'").arg(c));
  }

  Token Single(TokenKind kind) {
    ++at_;
    return {kind, {}};
  }

  Token QuotedText() {
    QString value;
    ++at_;
    while (true) {
      if (at_ >= text_.size()) Fail(text_, QStringLiteral("引号不成对"));
      if (text_[at_] == u'\'') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == u'\'') {
          value += u'\'';
          at_ += 2;
          continue;
        }
        ++at_;
        return {TokenKind::Text, value};
      }
      value += text_[at_++];
    }
  }

  Token BracketName() {
    const qsizetype close = text_.indexOf(u']', at_);
    if (close < 0) Fail(text_, QStringLiteral("方括号不成对"));
    Token token{TokenKind::Name, text_.mid(at_ + 1, close - at_ - 1)};
    at_ = close + 1;
    return token;
  }

  Token Comparison() {
    QString op(text_[at_++]);
    if (at_ < text_.size() && (text_[at_] == u'=' || (op == u"<" && text_[at_] == u'>')))
      op += text_[at_++];
    return {TokenKind::Operator, op};
  }

  Token NumberToken() {
    const qsizetype start = at_++;
    while (at_ < text_.size() && (text_[at_].isDigit() || text_[at_] == u'.')) ++at_;
    return {TokenKind::Number, text_.mid(start, at_ - start)};
  }

  Token Word() {
    const qsizetype start = at_;
    while (at_ < text_.size() && (text_[at_].isLetterOrNumber() || text_[at_] == u'_')) ++at_;
    return {TokenKind::Name, text_.mid(start, at_ - start)};
  }

  const QString& text_;
  qsizetype at_ = 0;
};

bool IsWord(const Token& token, const char* word) {
  return token.kind == TokenKind::Name &&
         token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

int CompareValues(const QVariant& fieldValue, const Token& literal) {
  if (literal.kind == TokenKind::Number) {
    const double left = VarToFloat(fieldValue);
    const double right = literal.text.toDouble();
    return left < right ? -1 : (left > right ? 1 : 0);
  }
  return QString::compare(VarToStr(fieldValue), literal.text, Qt::CaseInsensitive);
}

}  // namespace

struct TFilterExpression::Node {
  enum class Kind { And, Or, Not, Condition } kind = Kind::Condition;
  std::unique_ptr<Node> left;
  std::unique_ptr<Node> right;
  QString field;
  QString op;
  Token literal;

  bool Evaluate(const TFieldReader& read) const {
    switch (kind) {
      case Kind::And:
        return left->Evaluate(read) && right->Evaluate(read);
      case Kind::Or:
        return left->Evaluate(read) || right->Evaluate(read);
      case Kind::Not:
        return !left->Evaluate(read);
      case Kind::Condition:
        break;
    }
    const QVariant value = read(field);
    if (op == u"like") return LikeMatches(VarToStr(value), literal.text);
    const int order = CompareValues(value, literal);
    if (op == u"=") return order == 0;
    if (op == u"<>") return order != 0;
    if (op == u"<") return order < 0;
    if (op == u">") return order > 0;
    if (op == u"<=") return order <= 0;
    return order >= 0;
  }

  void CollectNames(QStringList& names) const {
    if (kind == Kind::Condition) {
      names << field;
      return;
    }
    if (left) left->CollectNames(names);
    if (right) right->CollectNames(names);
  }
};

namespace {

using Node = TFilterExpression::Node;

class Parser {
 public:
  Parser(const QString& text, QList<Token> tokens) : text_(text), tokens_(std::move(tokens)) {}

  std::unique_ptr<Node> Parse() {
    auto root = OrExpression();
    if (Peek().kind != TokenKind::End) Fail(text_, QStringLiteral("多余的内容"));
    return root;
  }

 private:
  const Token& Peek() const { return tokens_[at_]; }
  Token Take() { return tokens_[at_++]; }

  std::unique_ptr<Node> Join(Node::Kind kind, std::unique_ptr<Node> left,
                             std::unique_ptr<Node> right) {
    auto node = std::make_unique<Node>();
    node->kind = kind;
    node->left = std::move(left);
    node->right = std::move(right);
    return node;
  }

  std::unique_ptr<Node> OrExpression() {
    auto left = AndExpression();
    while (IsWord(Peek(), "or")) {
      Take();
      left = Join(Node::Kind::Or, std::move(left), AndExpression());
    }
    return left;
  }

  std::unique_ptr<Node> AndExpression() {
    auto left = Term();
    while (IsWord(Peek(), "and")) {
      Take();
      left = Join(Node::Kind::And, std::move(left), Term());
    }
    return left;
  }

  std::unique_ptr<Node> Term() {
    if (Peek().kind == TokenKind::OpenParen) {
      Take();
      auto inner = OrExpression();
      if (Take().kind != TokenKind::CloseParen) Fail(text_, QStringLiteral("括号不成对"));
      return inner;
    }
    if (IsWord(Peek(), "not")) {
      Take();
      return Join(Node::Kind::Not, Term(), nullptr);
    }
    return Condition();
  }

  std::unique_ptr<Node> Condition() {
    const Token field = Take();
    if (field.kind != TokenKind::Name) Fail(text_, QStringLiteral("缺少字段名"));
    auto node = std::make_unique<Node>();
    node->field = field.text;
    const Token op = Take();
    if (IsWord(op, "like"))
      node->op = QStringLiteral("like");
    else if (op.kind == TokenKind::Operator)
      node->op = op.text;
    else
      Fail(text_, QStringLiteral("缺少比较运算符"));
    node->literal = Take();
    if (node->literal.kind != TokenKind::Text && node->literal.kind != TokenKind::Number)
      Fail(text_, QStringLiteral("缺少比较的值"));
    return node;
  }

  const QString& text_;
  QList<Token> tokens_;
  qsizetype at_ = 0;
};

// Matches value[vi..] against pattern[pi..].
bool LikeFrom(const QString& value, qsizetype vi, const QString& pattern, qsizetype pi) {
  while (pi < pattern.size()) {
    const QChar p = pattern[pi];
    if (p == u'%' || p == u'*') {
      while (pi < pattern.size() && (pattern[pi] == u'%' || pattern[pi] == u'*')) ++pi;
      if (pi == pattern.size()) return true;
      for (qsizetype start = vi; start <= value.size(); ++start)
        if (LikeFrom(value, start, pattern, pi)) return true;
      return false;
    }
    QChar literal = p;
    qsizetype step = 1;
    if (p == u'[' && pi + 2 < pattern.size() && pattern[pi + 2] == u']') {
      literal = pattern[pi + 1];
      step = 3;
    }
    if (vi >= value.size() || value[vi].toCaseFolded() != literal.toCaseFolded()) return false;
    ++vi;
    pi += step;
  }
  return vi == value.size();
}

}  // namespace

bool LikeMatches(const QString& value, const QString& pattern) {
  return LikeFrom(value, 0, pattern, 0);
}

TFilterExpression::TFilterExpression(const QString& text)
    : root_(Parser(text, Lexer(text).Tokens()).Parse()) {}

TFilterExpression::~TFilterExpression() = default;
TFilterExpression::TFilterExpression(TFilterExpression&&) noexcept = default;

QStringList TFilterExpression::FieldNames() const {
  QStringList names;
  root_->CollectNames(names);
  return names;
}

bool TFilterExpression::Matches(const TFieldReader& readField) const {
  return root_->Evaluate(readField);
}
