#include "ui/app/Mall.h"

#include "core/config/Company.h"
#include "core/operators/Operator.h"

Tmall* gMall = nullptr;

void Tmall::AfterLogin() {
  if (gOperator->HasRight(kRightCompanyInfo) && !gCompany->HasName()) EditCompany();
}

void Tmall::PromptFeedback(bool) {
  // The feedback form has not been built yet; there is nothing to offer.
}

void Tmall::AutoBackup() {
  // Backups have not been built yet.
}

void Tmall::EditCompany() {
  gOperator->CheckRight(kRightCompanyInfo, true);
  gCompany->Edit(false);
}
