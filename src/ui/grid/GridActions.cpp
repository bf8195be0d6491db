#include "ui/grid/GridActions.h"

#include <QAction>

#include "ui/controls/QdPopupMenu.h"

TGridActions TGridActions::Create(QObject* owner) {
  const auto make = [owner](const QString& caption, const char* name, bool enabled) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    return action;
  };
  TGridActions actions;
  actions.Export = make(QStringLiteral("导出"), "ActionExport", false);
  actions.Export2Excel = make(QStringLiteral("导出到Excel文档"), "ActionExport2Excel", false);
  actions.Export2Html = make(QStringLiteral("导出到Html网页文件"), "ActionExport2Html", false);
  actions.ColVisible = make(QStringLiteral("列选择"), "ActionColVisible", false);
  actions.TableStyleSave = make(QStringLiteral("保存表格样式"), "ActionTableStyleSave", true);
  actions.Sort = make(QStringLiteral("排序"), "ActionSort", false);
  return actions;
}

void TGridActions::FillMenu(TqdPopupMenu* menu) const {
  menu->AddActionItem(Sort);
  menu->AddSeparator();
  menu->AddActionItem(ColVisible);
  menu->AddActionItem(TableStyleSave);
  menu->AddSeparator();
  menu->AddActionItem(Export2Excel);
  menu->AddActionItem(Export2Html);
}
