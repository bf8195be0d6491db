#pragma once

#include <QString>
#include <functional>
#include <memory>

class QVariant;

// A data set filter such as "Name like '%张%' or (Qty > 2 and Notes = 'a''b')". Conditions
// compare a field with a literal (like, =, <>, <, >, <=, >=), joined by and/or (and binds
// tighter), with parentheses and not. Text compares without regard to case; in like patterns
// "%" and "*" match any run of characters and "[x]" matches x itself.
class TFilterExpression {
 public:
  using TFieldReader = std::function<QVariant(const QString& fieldName)>;

  // Raises an error describing the fault when the text is not a valid expression.
  explicit TFilterExpression(const QString& text);
  ~TFilterExpression();
  TFilterExpression(TFilterExpression&&) noexcept;

  // Field names used by the expression, for checking them against the data set.
  QStringList FieldNames() const;
  bool Matches(const TFieldReader& readField) const;

  struct Node;

 private:
  std::unique_ptr<Node> root_;
};

bool LikeMatches(const QString& value, const QString& pattern);
