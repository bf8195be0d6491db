#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>

#include "core/base/Money.h"
#include "core/db/RecordSet.h"
#include "core/domain/ListSet.h"

// A member with its card, as the lists, editors and stores exchange them.
struct RMember {
  int CardId = 0;
  int MemberId = 0;  // 0 or less: not saved yet
  QString CardNo;
  QString TypeName;  // display only
  bool ValidIf = false;
  int TypeId = 0;
  QString PassWd;
  std::optional<TMoney> InitFund;
  std::optional<int> InitPoint;
  std::optional<TMoney> TimeFund;
  std::optional<QDateTime> Appdate;
  std::optional<QDateTime> Invalidate;
  QString Grade;
  double Discount = 0;
  QString Remarks;
  QString Handman;
  QString Name;
  QString Sex;
  QString Mobile;
  std::optional<int> CataId;
  QString CataName;  // display only
  QString Folk;
  std::optional<QDateTime> Birthdate;
  QString IdCode;
  QString Company;
  QString Duty;
  QString Address;
  QString Tel;
  QString Email;
  QString Notes;
  TMoney Balance;  // read only: kept by the totals rule
  TMoney Consume;
  qint64 Score = 0;
};

// The names the editors offer for the card types 0, 1 and 2 and for the two validity states.
QStringList CardTypeNames();
QString ValidityName(bool valid);

// Members with their cards: the member lists, and the stores that write members and cards and
// keep each card's totals.
// Search lists the members that the filter selects, in key order.
class TMemberSet : public TListSet<RMember, TMemberWhere> {
 public:
  explicit TMemberSet(TDatabase* database = nullptr);

  // Inserts (MemberId 0 or less, giving the record its keys) or updates a member with its card.
  // False when a row to update is gone; a database error is raised after the rollback.
  static bool Save(RMember& member, TDatabase& database = DefaultDatabase());
  // False when the member has no card or no row.
  static bool Delete(int memberId, TDatabase& database = DefaultDatabase());
  static bool LoadById(int memberId, RMember& member, TDatabase& database = DefaultDatabase());
  // Recomputes the card's balance, total consumption and points from its top-ups, bills and
  // redemptions. Runs inside the caller's transaction; false for a card that is not there.
  static bool UpdateCardTotals(int cardId, TDatabase& database = DefaultDatabase());

  TField* CardIdFld() const { return FieldByName("CardId"); }
  TField* MemberIdFld() const { return FieldByName("MemberId"); }
  TField* IdFld() const { return FieldByName("MemberId"); }
  TField* CardNoFld() const { return FieldByName("CardNo"); }
  TField* NameFld() const { return FieldByName("Name"); }
  TField* MobileFld() const { return FieldByName("Mobile"); }
};

// The class through which the top-up store recomputes card totals.
class TCardSet : public TMemberSet {};
