#include "core/lists/Lists.h"

#include "core/base/Clock.h"
#include "core/operators/Operator.h"

namespace {
TEditorLauncher<RMember>& MemberEditor() {
  static TEditorLauncher<RMember> launcher;
  return launcher;
}
TEditorLauncher<RConsume>& BillEditor() {
  static TEditorLauncher<RConsume> launcher;
  return launcher;
}
}  // namespace

void InstallMemberEditor(TEditorLauncher<RMember> launcher) {
  MemberEditor() = std::move(launcher);
}
bool HasMemberEditor() {
  return static_cast<bool>(MemberEditor());
}
void InstallBillEditor(TEditorLauncher<RConsume> launcher) {
  BillEditor() = std::move(launcher);
}
bool HasBillEditor() {
  return static_cast<bool>(BillEditor());
}

RMember NewMember() {
  RMember member;
  member.Appdate = TClock::Now();
  member.ValidIf = true;
  return member;
}

void TMemberList::AddRecord() {
  if (!HasMemberEditor()) return;
  RMember member = NewMember();
  MemberEditor()(member, [this](RMember& m) { return SaveToList(m); });
}

void TMemberList::EditRecord() {
  if (!HasMemberEditor()) return;
  RMember member = DataSet()->Active() && !DataSet()->IsEmpty() ? AsData() : RMember();
  MemberEditor()(member, [this](RMember& m) { return SaveToList(m); });
}

void TMemberList::DeleteRecord() {
  DeleteListRow(*this, "MemberId", [](int key) { return Delete(key); });
}

bool TMemberList::PickRecord() {
  if (!OnPick || DataSet()->IsEmpty()) return false;
  return OnPick(AsData());
}

bool TMemberList::SaveToList(RMember& member) {
  if (!Save(member)) return false;
  MirrorIntoList(*this, "MemberId", member.MemberId, [&] { SetAsData(member); });
  return true;
}

RConsume TConsumeList::NewBill(const RMember& member) {
  RConsume bill;
  bill.Biztime = TClock::Now();
  bill.CardId = member.CardId;
  bill.Accoman = gOperator ? gOperator->Name : QString();
  bill.Accotime = TClock::Now();
  return bill;
}

void TConsumeList::AddBill(const RMember& member) {
  if (!HasBillEditor()) return;
  RConsume bill = NewBill(member);
  BillEditor()(bill, [this](RConsume& b) { return SaveToList(b); });
}

void TConsumeList::EditBill() {
  if (!HasBillEditor() || DataSet()->IsEmpty()) return;
  RConsume bill;
  if (!LoadCurrent(bill)) return;
  BillEditor()(bill, [this](RConsume& b) { return SaveToList(b); });
}

bool TConsumeList::DeleteBill() {
  return DeleteListRow(*this, "Id", [](int key) { return Delete(key); });
}

bool TConsumeList::SaveToList(RConsume& bill) {
  if (!Save(bill)) return false;
  MirrorIntoList(*this, "Id", bill.Id, [&] { SetAsData(bill); });
  return true;
}
