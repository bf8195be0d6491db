#pragma once

#include <functional>

#include "core/domain/Charge.h"
#include "core/domain/Consume.h"
#include "core/domain/Member.h"
#include "core/lists/ListSupport.h"

// The record a new member starts from: no keys, card kind 0, issued now, valid, no expiry, no
// birthday and no group, every text empty and every number 0.
RMember NewMember();

// The editors that the lists open. The windows install them; a list whose editor is not installed
// cannot add or edit (its commands stay disabled).
template <typename TRecord>
using TEditorLauncher =
    std::function<bool(TRecord& record, const std::function<bool(TRecord&)>& onSave)>;

void InstallMemberEditor(TEditorLauncher<RMember> launcher);
bool HasMemberEditor();
void InstallBillEditor(TEditorLauncher<RConsume> launcher);
bool HasBillEditor();

// The member list of the main window and the pickers.
class TMemberList : public TMemberSet, public IViewList {
 public:
  // Receives a picked member; true when it accepted it.
  std::function<bool(const RMember&)> OnPick;

  void AddRecord() override;
  void EditRecord() override;
  void DeleteRecord() override;
  void RefreshList() override {}
  void PrintList() override {}
  bool ImportRecords() override { return false; }
  bool PickRecord() override;
  // The editors' save handler: stores the member and shows it in the list.
  bool SaveToList(RMember& member);
};

// The bill list of the main window.
class TConsumeList : public TConsumeSet {
 public:
  // A new bill for the member: now, on the member's card, recorded by the logged-in operator.
  void AddBill(const RMember& member);
  void EditBill();
  // True when the bill was deleted.
  bool DeleteBill();
  bool SaveToList(RConsume& bill);
  static RConsume NewBill(const RMember& member);
};

// The top-up journal.
class TChargeList : public TChargeSet {};
