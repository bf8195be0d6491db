#include "ui/grid/QdGridcx.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QVBoxLayout>

#include "core/base/Command.h"
#include "core/db/DataSet.h"
#include "ui/grid/DataSetModel.h"
#include "ui/grid/GridCursor.h"
#include "ui/grid/GridDelegate.h"
#include "ui/grid/GridFooter.h"

namespace {

constexpr int kIndicatorWidth = 30;
const QColor kCream(0xff, 0xfb, 0xf0);

// Fields missing from a stored layout stay hidden; saving the layout reports success only when
// it wrote its row.
const TGridManner kManner{
    .ShowsUnlistedFields = false,
    .ReportsEverySave = false,
    .NoDataSetText =
        QStringLiteral("系统错误: 没有为TqdGridcx.DataSource指定DataSet对象,请与作者联系!"),
    .BatchNoDataSetText = QString(),
    .BatchNoProcText = QStringLiteral("没有指定BatchUpdate更新过程, 操作被取消.")};

}  // namespace

TqdGridcx::TqdGridcx(QWidget* parent)
    : QWidget(parent),
      model_(new TDataSetModel(this)),
      view_(new QTableView(this)),
      delegate_(new TGridDelegate(this)),
      footer_(nullptr),
      commands_(new TGridCommands(this, view_, model_, kManner, [this] { return Tag; })),
      cursor_(nullptr) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(view_, 1);
  footer_ = new TGridFooter(view_, model_, this);
  footer_->hide();
  Columns().SetExtraWidths([this](int column) { return footer_->WidthFor(column); });
  layout->addWidget(footer_);

  view_->setModel(model_);
  view_->setItemDelegate(delegate_);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setSelectionBehavior(QAbstractItemView::SelectItems);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setSortingEnabled(false);
  view_->setWordWrap(false);
  view_->setTextElideMode(Qt::ElideRight);
  view_->verticalHeader()->setMinimumWidth(kIndicatorWidth);
  view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  view_->horizontalHeader()->setSectionsMovable(true);
  // The indicator's header cell reads "NO".
  if (auto* corner = view_->findChild<QAbstractButton*>()) corner->installEventFilter(this);
  delegate_->SetDrawHook([this](QStyleOptionViewItem& option, const QModelIndex& index) {
    CustomDrawCell(option, index);
  });
  cursor_ = new TGridCursor(view_, model_, &Columns());
  ConnectView();
}

TqdGridcx::~TqdGridcx() = default;

void TqdGridcx::ConnectView() {
  connect(view_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    RunCommand([&] {
      if (OnCellClick) OnCellClick(model_->FieldOf(index.column()));
    });
  });
  connect(view_, &QAbstractItemView::doubleClicked, this, [this] {
    RunCommand([this] {
      if (OnDblClick) OnDblClick(this);
      if (OnCellDblClick) OnCellDblClick(model_->FieldOf(view_->currentIndex().column()));
    });
  });
  connect(cursor_, &TGridCursor::RowChanged, this, [this](bool selected) {
    RunCommand([&] {
      if (OnSelectChanged) OnSelectChanged(selected);
    });
  });
  connect(delegate_, &TGridDelegate::EditTextChanged, this, [this](const QModelIndex& index) {
    RunCommand([&] {
      if (index.column() == view_->currentIndex().column() && OnEditChanged) OnEditChanged(this);
    });
  });
}

TqdGridcx* TqdGridcx::CreateWithLayout(QWidget*, int layoutKey, TDataSet* dataSet,
                                       QWidget* parent) {
  auto* grid = new TqdGridcx(parent);
  if (!parent->layout()) {
    auto* fill = new QVBoxLayout(parent);
    fill->setContentsMargins(0, 0, 0, 0);
  }
  parent->layout()->addWidget(grid);
  grid->SetDataSet(dataSet);
  grid->Tag = layoutKey;
  grid->Commands().LoadLayout(layoutKey);
  return grid;
}

TDataSet* TqdGridcx::DataSet() const {
  return model_->DataSet();
}

void TqdGridcx::SetDataSet(TDataSet* dataSet) {
  model_->SetDataSet(dataSet);
  Columns().SetLayoutText(QString());
}

int TqdGridcx::SelectedCount() const {
  return static_cast<int>(view_->selectionModel()->selectedRows().size());
}

int TqdGridcx::RowCount() const {
  return model_->rowCount();
}

void TqdGridcx::RebuildColumns(bool visible) {
  Columns().Rebuild(visible);
}

void TqdGridcx::QuickFilter(const QString& text) {
  TDataSet* dataSet = DataSet();
  if (!dataSet || !dataSet->Active()) return;
  QStringList conditions;
  if (!text.isEmpty()) {
    for (int i = 0; i < dataSet->FieldCount(); ++i) {
      const TField* field = dataSet->Field(i);
      const bool textField =
          field->DataType() == TFieldType::String || field->DataType() == TFieldType::WideString;
      if (textField && !field->Calculated()) conditions << FilterContains(field->FieldName(), text);
    }
  }
  const QString condition = conditions.join(QStringLiteral(" or "));
  dataSet->SetFilter(condition);
  dataSet->SetFiltered(!condition.isEmpty());
}

void TqdGridcx::AddFooterSum(TField* field) {
  if (!field) return;
  footer_->AddSum(field->FieldName());
  footer_->show();
  Columns().FitToContents();
}

QVariant TqdGridcx::FooterSum(int item) const {
  return footer_->Sum(item);
}

void TqdGridcx::SetColumnEditable(TField* field, bool focusable) {
  if (!field) return;
  model_->SetColumnText(model_->ColumnOf(field->FieldName()), focusable);
}

void TqdGridcx::SetEditing(bool editing) {
  model_->SetEditing(editing);
  view_->setEditTriggers(
      editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
              : QAbstractItemView::NoEditTriggers);
}

void TqdGridcx::SetCellSelect(bool on) {
  view_->setSelectionBehavior(on ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
}

void TqdGridcx::CustomDrawCell(QStyleOptionViewItem& option, const QModelIndex& index) {
  if (option.state & QStyle::State_Selected) return;
  if (index.row() % 2 == 0) option.backgroundBrush = kCream;
}

bool TqdGridcx::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Paint) return QWidget::eventFilter(watched, event);
  auto* corner = static_cast<QWidget*>(watched);
  QPainter painter(corner);
  QStyleOptionHeader option;
  option.initFrom(corner);
  option.rect = corner->rect();
  option.text = QStringLiteral("NO");
  option.textAlignment = Qt::AlignCenter;
  option.position = QStyleOptionHeader::OnlyOneSection;
  corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
  return true;
}
