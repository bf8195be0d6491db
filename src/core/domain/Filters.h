#pragma once

#include <QString>

#include "core/db/RecordSet.h"

// A where clause and the values of its ":Name" markers.
struct TWhereClause {
  QString Text;
  TDBParameters Params;
};

// The filter objects of the lists: one row of criteria; every filled field adds one condition.
// Search texts are bound as parameters and matched as typed: never part of the statement, never
// wildcards.
class TListWhere : public TCustomWhere {
 public:
  // " where <first> and <second> ..." for the filled fields in field order; empty when none is.
  TWhereClause WhereClause();

 protected:
  // Called after the fields are declared: creates the data set and its one empty row.
  void Open();
  bool IsFilled(const QString& fieldName) const;
  qint64 Integer(const QString& fieldName) const;
  QString Text(const QString& fieldName) const;
  QString DateLiteral(const QString& fieldName) const;
  // The conditions of the filled fields, each without its connector, and their parameters.
  virtual void AddConditions(QStringList& conditions, TDBParameters& params) const = 0;
  void AddKeywordConditions(const QString& conditionText, QStringList& conditions,
                            TDBParameters& params) const;
};

class TMemberWhere : public TListWhere {
 public:
  TMemberWhere();

 protected:
  void AddConditions(QStringList& conditions, TDBParameters& params) const override;
};

class TCommodityWhere : public TListWhere {
 public:
  TCommodityWhere();

 protected:
  void AddConditions(QStringList& conditions, TDBParameters& params) const override;
};

class TGiftWhere : public TListWhere {
 public:
  TGiftWhere();

 protected:
  void AddConditions(QStringList& conditions, TDBParameters& params) const override;
};

class TConsumeWhere : public TListWhere {
 public:
  TConsumeWhere();

 protected:
  void AddConditions(QStringList& conditions, TDBParameters& params) const override;
};

class TPresentWhere : public TListWhere {
 public:
  TPresentWhere();

 protected:
  void AddConditions(QStringList& conditions, TDBParameters& params) const override;
};

// Formats a list query's "%s" with the filter's where clause.
QString WithWhereClause(const char* listQuery, const QString& whereClause);
// Opens the list query of the set with the filter's where clause and its parameters.
int OpenWithWhere(TRecordSet& set, const char* listQuery, const TWhereClause& where);
