#pragma once

#include <QString>

struct RCompanyInfo;

// The business that uses the program: the single row of the table Company.
class TCompany {
 public:
  int Id = 0;
  QString CompanyName;
  QString Manager;
  QString Tel;
  QString Fax;
  QString Address;
  QString Zip;
  QString Profile;
  // Kept as loaded; the program never changes it.
  bool Updated = false;

  // Reads the first row; an empty table gives zero, empty and false values.
  void Load();
  // Inserts the row when Exists is false, else updates it. Statement errors reach the caller.
  void Save();
  bool Exists();
  // True when the name is longer than 7 GBK bytes: at least four Chinese characters.
  bool HasName() const;
  // Shows the company dialog; each OK saves, and a failing save is shown, the stored row loaded
  // again and the dialog reopened with what the operator typed. Read only never saves.
  void Edit(bool readOnly);

  RCompanyInfo Info() const;
  void SetInfo(const RCompanyInfo& info);

 private:
  void Clear();
};

extern TCompany* gCompany;
