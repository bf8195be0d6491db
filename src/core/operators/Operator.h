#pragma once

#include <QString>

#include "core/operators/Rights.h"

// The login id of the super user, who holds every right.
inline constexpr char kSuperUserId[] = "sa";

// An operator as loaded from the table operator; gOperator is the one logged in. Rights is the
// concatenation of ",<number>," for every granted right.
class TOperator {
 public:
  QString LoginId;
  // The stored text: a password digest, or a plain-text password in an older database.
  QString Password;
  QString Name;
  QString Contact;
  QString Note;
  QString Rights;

  // Loads the operator with exactly this login id; clears every field when there is no such row
  // or more than one.
  void LoadByLoginId(const QString& loginId);
  // True when an operator is loaded and the password matches the stored one (case-sensitive); an
  // empty password matches an empty stored one.
  bool CheckPassword(const QString& password) const;
  // After a successful check at login: replaces a stored plain-text password or an older digest
  // by a new one (TPasswordHash::NeedsRehash). Returns whether it did; a current digest or an
  // empty password is left as it is. Statement errors reach the caller.
  bool UpgradeStoredPassword(const QString& password);
  bool HasRight(int right) const;
  // HasRight; otherwise tells the operator which right is missing and then either ends the
  // current command silently (EAbort) or returns false.
  bool CheckRight(int right, bool abort = true) const;
  // Stores the new password (as its digest) for this login id and keeps the stored text in
  // Password. Raises an error when the operator's row is gone.
  void SetPassword(const QString& newPassword);
  // The password change dialog loop: the current password must check, then the new one is
  // stored; every refusal is shown and the dialog reopens as it was.
  void ChangePassword();

 private:
  void Clear();
};

extern TOperator* gOperator;
