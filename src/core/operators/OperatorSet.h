#pragma once

#include <QString>

#include "core/db/RecordSet.h"

// Every operator except the super user, read when the set is made. Each change is one statement;
// the cached rows follow only after the statement succeeded, and statement errors (a duplicate
// login id, for example) reach the caller.
class TOperatorSet : public TRecordSet {
 public:
  TOperatorSet();

  TField* UserIdField() const { return userIdField_; }
  // The stored password text (a digest, or plain text from an older database).
  TField* PasswdField() const { return passwdField_; }
  TField* NameField() const { return nameField_; }
  TField* ContactField() const { return contactField_; }
  TField* NoteField() const { return noteField_; }
  TField* RightsField() const { return rightsField_; }

  // Stores the password as its digest (an empty password stays empty).
  void AddOperator(const QString& loginId, const QString& password, const QString& name,
                   const QString& contact, const QString& note, const QString& rights);
  // The password is what the administration dialog holds: a text already in the stored digest
  // form is the unchanged stored password and is kept as it is; any other text is a new password
  // and is stored as its digest (an empty one stays empty).
  void UpdateOperator(const QString& loginId, const QString& password, const QString& name,
                      const QString& contact, const QString& note, const QString& rights);
  void DeleteOperator(const QString& loginId);

 private:
  bool LocateLoginId(const QString& loginId);
  void SetRowValues(const QString& loginId, const QString& storedPassword, const QString& name,
                    const QString& contact, const QString& note, const QString& rights);

  TField* userIdField_;
  TField* passwdField_;
  TField* nameField_;
  TField* contactField_;
  TField* noteField_;
  TField* rightsField_;
};
