#include "core/config/CompanyEditor.h"

#include "core/base/Errors.h"

namespace {
TCompanyEditorFactory& InstalledFactory() {
  static TCompanyEditorFactory factory;
  return factory;
}
}  // namespace

TCompanyEditorFactory InstallCompanyEditor(TCompanyEditorFactory factory) {
  std::swap(InstalledFactory(), factory);
  return factory;
}

std::unique_ptr<ICompanyEditor> CreateCompanyEditor(bool readOnly) {
  std::unique_ptr<ICompanyEditor> editor;
  if (InstalledFactory()) editor = InstalledFactory()(readOnly);
  if (!editor) throw EError(QStringLiteral("公司信息对话框不可用."));
  return editor;
}
