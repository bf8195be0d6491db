#pragma once

#include <QString>

#include "core/db/RecordSet.h"

// The filter objects of the lists: one row of criteria; every filled field adds one condition.
// Search texts are matched as typed: they never end their literal nor act as wildcards.
class TListWhere : public TCustomWhere {
 public:
  // " where <first> and <second> ..." for the filled fields in field order; empty when none is.
  QString WhereClause();

 protected:
  // Called after the fields are declared: creates the data set and its one empty row.
  void Open();
  bool IsFilled(const QString& fieldName) const;
  int Integer(const QString& fieldName) const;
  QString Text(const QString& fieldName) const;
  QString DateLiteral(const QString& fieldName) const;
  // The conditions of the filled fields, each without its connector.
  virtual QStringList Conditions() const = 0;
};

class TMemberWhere : public TListWhere {
 public:
  TMemberWhere();

 protected:
  QStringList Conditions() const override;
};

class TCommodityWhere : public TListWhere {
 public:
  TCommodityWhere();

 protected:
  QStringList Conditions() const override;
};

class TGiftWhere : public TListWhere {
 public:
  TGiftWhere();

 protected:
  QStringList Conditions() const override;
};

class TConsumeWhere : public TListWhere {
 public:
  TConsumeWhere();

 protected:
  QStringList Conditions() const override;
};

class TPresentWhere : public TListWhere {
 public:
  TPresentWhere();

 protected:
  QStringList Conditions() const override;
};

// Formats a list query's "%s" with the filter's where clause.
QString WithWhereClause(const char* listQuery, const QString& whereClause);
