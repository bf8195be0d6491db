#pragma once

#include <QList>
#include <QString>

#include "core/db/RecordSet.h"
#include "core/domain/ListSet.h"

// One category of the tree. Its place: SlfId (position number, unique), PrtId (the parent's
// position number, 0 at the top) and Code (the position numbers from the top down, each followed
// by a full stop).
struct RComcata {
  int Id = 0;
  QString Code;
  QString Name;
  QString Note;
  QString Path;
  int SlfId = 0;
  int PrtId = 0;
};
using RComcatas = QList<RComcata>;

// The codes of the two nodes that the tree views add themselves; neither is stored.
inline constexpr char kAllCategoriesCode[] = "sys-all";
inline constexpr char kUncategorisedCode[] = "sys-nulled";

// The category tree, loaded whole in position order (every parent before its children).
class TComcataSet : public TRecordSetOf<RComcata, TQuerySet> {
 public:
  explicit TComcataSet(TDatabase* database = nullptr);
  int Open();
  RComcata GetAsData() const { return AsData(); }

  // Assigns Id, SlfId and Code into the record and inserts it; true when one row was added.
  static bool Insert(RComcata& category, TDatabase& database = DefaultDatabase());
  static bool Update(const RComcata& category, TDatabase& database = DefaultDatabase());
  // Deletes the categories (a category with all its descendants) in one transaction.
  static bool Delete(const RComcatas& categories, TDatabase& database = DefaultDatabase());
  // Stores the new Code, SlfId and PrtId of every category in one transaction.
  static bool Renumber(const RComcatas& categories, TDatabase& database = DefaultDatabase());
  // The code of a category: its parent's code, its own position number and a full stop.
  static QString MakeCode(const QString& parentCode, int slfId);
};
