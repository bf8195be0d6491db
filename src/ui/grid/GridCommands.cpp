#include "ui/grid/GridCommands.h"

#include <QAction>
#include <QTableView>

#include "core/base/Command.h"
#include "core/base/MessageBox.h"
#include "core/db/DataSet.h"
#include "core/grid/LayoutStore.h"
#include "core/operators/Rights.h"
#include "ui/controls/QdPopupMenu.h"
#include "ui/grid/DataSetModel.h"

TGridCommands::TGridCommands(QWidget* grid, QTableView* view, TDataSetModel* model,
                             TGridManner manner, std::function<int()> layoutKey)
    : QObject(grid),
      grid_(grid),
      model_(model),
      manner_(std::move(manner)),
      layoutKey_(std::move(layoutKey)),
      columns_(view, model, manner_.ShowsUnlistedFields),
      popupMenu_(new TqdPopupMenu(grid)) {
  using T = TGridCommands;
  export_ = NewAction(QStringLiteral("导出"), "ActionExport", false, &T::ExportClick);
  export2Excel_ = NewAction(QStringLiteral("导出到Excel文档"), "ActionExport2Excel", false,
                            &T::SaveToExcelClick);
  export2Html_ = NewAction(QStringLiteral("导出到Html网页文件"), "ActionExport2Html", false,
                           &T::SaveToHtmlClick);
  colVisible_ =
      NewAction(QStringLiteral("列选择"), "ActionColVisible", false, &T::PickColumnsClick);
  tableStyleSave_ =
      NewAction(QStringLiteral("保存表格样式"), "ActionTableStyleSave", true, &T::SaveLayoutClick);
  sort_ = NewAction(QStringLiteral("排序"), "ActionSort", false, &T::SortClick);

  popupMenu_->AddActionItem(sort_);
  popupMenu_->AddSeparator();
  popupMenu_->AddActionItem(colVisible_);
  popupMenu_->AddActionItem(tableStyleSave_);
  popupMenu_->AddSeparator();
  popupMenu_->AddActionItem(export2Excel_);
  popupMenu_->AddActionItem(export2Html_);

  view->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& position) {
    popupMenu_->popup(view->viewport()->mapToGlobal(position));
  });
}

QAction* TGridCommands::NewAction(const QString& caption, const char* name, bool enabled,
                                  void (TGridCommands::*command)()) {
  auto* action = new QAction(caption, grid_);
  action->setObjectName(QLatin1String(name));
  action->setEnabled(enabled);
  connect(action, &QAction::triggered, this,
          [this, command] { RunCommand([&] { (this->*command)(); }); });
  return action;
}

TDataSet* TGridCommands::DataSet() const {
  return model_->DataSet();
}

bool TGridCommands::LoadLayout(int key) {
  bool found = false;
  SetLayout(TLayoutStore::Load(key, &found));
  return found;
}

bool TGridCommands::SaveLayout(int key) {
  return TLayoutStore::Save(key, Layout());
}

bool TGridCommands::CheckDataSet() {
  if (!DataSet()) {
    ShowInfo(manner_.NoDataSetText);
    return false;
  }
  if (!DataSet()->Active()) {
    ShowInfo(QStringLiteral("系统提示: 请先打开数据再操作!"));
    return false;
  }
  return true;
}

void TGridCommands::SortClick() {
  // The sort dialog is not part of the program yet.
  CheckDataSet();
}

void TGridCommands::PickColumnsClick() {
  // The column dialog is not part of the program yet.
  CheckOperatorRight(kRightChooseColumns);
}

void TGridCommands::SaveLayoutClick() {
  if (!CheckOperatorRight(kRightSaveColumnLayout)) return;
  const bool written = SaveLayout(layoutKey_());
  if (written || manner_.ReportsEverySave) ShowInfo(QStringLiteral("列样式保存成功."));
}

void TGridCommands::SaveToExcelClick() {
  // The Excel export is not part of the program yet.
  CheckOperatorRight(kRightExport);
}

void TGridCommands::SaveToHtmlClick() {
  // The HTML export is not part of the program yet.
  CheckOperatorRight(kRightExport);
}

void TGridCommands::ExportClick() {
  // The export wizard is not part of the program yet.
  CheckOperatorRight(kRightExport);
}

void TGridCommands::BatchUpdateClick() {
  if (manner_.BatchNoDataSetText.isEmpty()) {
    if (!CheckDataSet()) return;
  } else if (!DataSet()) {
    ShowInfo(manner_.BatchNoDataSetText);
    return;
  }
  if (!BatchProc) {
    ShowInfo(manner_.BatchNoProcText);
    return;
  }
  // The batch update dialog is not part of the program yet.
}

void TGridCommands::PopupBelow(QWidget* control) {
  if (control) popupMenu_->popup(control->mapToGlobal(QPoint(0, control->height())));
}
