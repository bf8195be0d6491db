#pragma once

#include <QString>
#include <functional>
#include <memory>

// The seven values that the company dialog shows and edits; Lawman carries the manager.
struct RCompanyInfo {
  QString CompanyName;
  QString Lawman;
  QString Tel;
  QString Fax;
  QString Address;
  QString Zip;
  QString Profile;
};

// The company dialog as the profile's edit loop uses it: created once per edit, shown as often as
// the loop needs.
class ICompanyEditor {
 public:
  virtual ~ICompanyEditor() = default;
  // Shows the values modally and leaves in them what the dialog holds when it closes; true when
  // it closed with OK.
  virtual bool Execute(RCompanyInfo& values) = 0;
};

// Makes the dialog; read only means its OK button stays disabled.
using TCompanyEditorFactory = std::function<std::unique_ptr<ICompanyEditor>(bool readOnly)>;

// Installs the factory that the windows provide; returns the previous one.
TCompanyEditorFactory InstallCompanyEditor(TCompanyEditorFactory factory);
// Raises an error when no dialog has been installed.
std::unique_ptr<ICompanyEditor> CreateCompanyEditor(bool readOnly);
