#include "core/config/Company.h"

#include "core/base/Errors.h"
#include "core/base/Gbk.h"
#include "core/base/MessageBox.h"
#include "core/config/CompanyEditor.h"
#include "core/db/RecordSet.h"

TCompany* gCompany = nullptr;

namespace {
constexpr int kMinNameBytes = 8;
}  // namespace

void TCompany::Clear() {
  *this = TCompany();
}

void TCompany::Load() {
  TRecordSet company;
  company.OpenSql(QStringLiteral("select * from Company"));
  Clear();
  TDataSet* row = company.DataSet();
  if (row->IsEmpty()) return;
  row->First();
  Id = company.FieldByName(QStringLiteral("Id"))->AsInteger();
  CompanyName = company.FieldByName(QStringLiteral("CompanyName"))->AsString();
  Manager = company.FieldByName(QStringLiteral("Manager"))->AsString();
  Tel = company.FieldByName(QStringLiteral("Tel"))->AsString();
  Fax = company.FieldByName(QStringLiteral("Fax"))->AsString();
  Address = company.FieldByName(QStringLiteral("Address"))->AsString();
  Zip = company.FieldByName(QStringLiteral("Zip"))->AsString();
  Profile = company.FieldByName(QStringLiteral("Profile"))->AsString();
  Updated = company.FieldByName(QStringLiteral("Updated"))->AsBoolean();
}

bool TCompany::Exists() {
  return TRecordSet().OpenSql(QStringLiteral("select 1 from Company where Id=:Id"),
                              {MakeParam(QStringLiteral("Id"), Id)}) == 1;
}

void TCompany::Save() {
  const TDBParameters params = {MakeParam(QStringLiteral("CompanyName"), CompanyName),
                                MakeParam(QStringLiteral("Manager"), Manager),
                                MakeParam(QStringLiteral("Tel"), Tel),
                                MakeParam(QStringLiteral("Fax"), Fax),
                                MakeParam(QStringLiteral("Address"), Address),
                                MakeParam(QStringLiteral("Zip"), Zip),
                                MakeParam(QStringLiteral("Profile"), Profile),
                                MakeParam(QStringLiteral("Updated"), Updated),
                                MakeParam(QStringLiteral("Id"), Id)};
  if (Exists()) {
    gDatabase->Execute(
        QStringLiteral("update Company set CompanyName=:CompanyName,Manager=:Manager,Tel=:Tel,"
                       "Fax=:Fax,Address=:Address,Zip=:Zip,Profile=:Profile,Updated=:Updated "
                       "where Id=:Id"),
        params);
  } else {
    gDatabase->Execute(
        QStringLiteral("insert into Company(Id,CompanyName,Manager,Tel,Fax,Address,Zip,Profile,"
                       "Updated) values (:Id,:CompanyName,:Manager,:Tel,:Fax,:Address,:Zip,"
                       ":Profile,:Updated)"),
        params);
  }
}

bool TCompany::HasName() const {
  return GbkLength(CompanyName) >= kMinNameBytes;
}

void TCompany::Edit(bool readOnly) {
  std::unique_ptr<ICompanyEditor> editor = CreateCompanyEditor(readOnly);
  RCompanyInfo values = Info();
  while (editor->Execute(values) && !readOnly) {
    SetInfo(values);
    try {
      Save();
      return;
    } catch (const EError& error) {
      ShowInfo(error.Message());
      Load();
    }
  }
}

RCompanyInfo TCompany::Info() const {
  return {CompanyName, Manager, Tel, Fax, Address, Zip, Profile};
}

void TCompany::SetInfo(const RCompanyInfo& info) {
  CompanyName = info.CompanyName;
  Manager = info.Lawman;
  Tel = info.Tel;
  Fax = info.Fax;
  Address = info.Address;
  Zip = info.Zip;
  Profile = info.Profile;
}
