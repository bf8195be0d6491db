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
    // The parser and the evaluation recurse once per level: deep nesting is refused instead.
    if (++depth_ > kMaxDepth) Fail(text_, QStringLiteral("嵌套过深"));
    auto term = NestedTerm();
    --depth_;
    return term;
  }

  std::unique_ptr<Node> NestedTerm() {
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
    if (++conditions_ > kMaxConditions) Fail(text_, QStringLiteral("条件过多"));
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

  static constexpr int kMaxDepth = 100;
  static constexpr int kMaxConditions = 10000;

  const QString& text_;
  QList<Token> tokens_;
  qsizetype at_ = 0;
  int depth_ = 0;
  int conditions_ = 0;
};

// One step of a like pattern: a run of "%"/"*" (any characters), or one character, case-folded.
struct LikeStep {
  bool any = false;
  char16_t folded = 0;
};

QList<LikeStep> LikeSteps(const QString& pattern) {
  QList<LikeStep> steps;
  steps.reserve(pattern.size());
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar p = pattern[i];
    if (p == u'%' || p == u'*') {
      if (steps.isEmpty() || !steps.last().any) steps.append({true, 0});
      continue;
    }
    QChar literal = p;
    if (p == u'[' && i + 2 < pattern.size() && pattern[i + 2] == u']') {
      literal = pattern[i + 1];
      i += 2;
    }
    steps.append({false, literal.toCaseFolded().unicode()});
  }
  return steps;
}

}  // namespace

// Two pointers with a return point after the last "%": on a mismatch the last "%" takes one more
// character and matching resumes behind it. No recursion; at most value × pattern steps.
bool LikeMatches(const QString& value, const QString& pattern) {
  const QList<LikeStep> steps = LikeSteps(pattern);
  const qsizetype stepCount = steps.size();
  qsizetype v = 0;
  qsizetype s = 0;
  qsizetype starStep = -1;
  qsizetype starValue = 0;
  while (v < value.size()) {
    if (s < stepCount && steps[s].any) {
      starStep = s++;
      starValue = v;
    } else if (s < stepCount && steps[s].folded == value[v].toCaseFolded().unicode()) {
      ++s;
      ++v;
    } else if (starStep >= 0) {
      s = starStep + 1;
      v = ++starValue;
    } else {
      return false;
    }
  }
  while (s < stepCount && steps[s].any) ++s;
  return s == stepCount;
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
