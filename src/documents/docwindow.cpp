#include "documents/docwindow.h"

#include "foundation/approvalhooks.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"
#include "posting/tradereversal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QHash<QString, DocHost*>& Hosts()
{
    static QHash<QString, DocHost*> hosts;
    return hosts;
}

} // namespace

DocHost* FindDocHost(const QString& prefix)
{
    return Hosts().value(prefix);
}

void SetDocHost(const QString& prefix, DocHost* host)
{
    if (host)
        Hosts().insert(prefix, host);
    else
        Hosts().remove(prefix);
}

DocWindow::~DocWindow()
{
    if (hosting_ && FindDocHost(kind_.prefix) == &host_)
        SetDocHost(kind_.prefix, nullptr);
}

void DocWindow::SetHost(DocHost host)
{
    host_ = std::move(host);
    hosting_ = true;
    SetDocHost(kind_.prefix, &host_);
}

bool DocWindow::CloseQuery(bool hasLines, const QString& number, const std::function<void()>& save) const
{
    if (!hasLines)
        return true;
    switch (Prompt::YesNoCancel(QStringLiteral("当前单据还未保存，是否保存？"))) {
    case Prompt::Answer::Yes:
        save();
        return true;
    case Prompt::Answer::No:
        DiscardDraft(kind_, number);
        return true;
    default:
        return false;
    }
}

bool DocWindow::Approve(const QString& number, const QString& approvingOperator) const
{
    return ApproveDocument(kind_, number, approvingOperator);
}

QList<DocWindow::PendingDoc> DocWindow::PendingRows(Query& list, const QString& dateColumn)
{
    QList<PendingDoc> docs;
    for (int r = 0; r < list.RecordCount(); ++r) {
        docs.append({ list.TextAt(r, list.FieldIndex(QStringLiteral("gl_djh"))),
            list.TextAt(r, list.FieldIndex(dateColumn)), list.TextAt(r, list.FieldIndex(QStringLiteral("a_name"))) });
    }
    return docs;
}

int DocWindow::ApproveAll(const QList<PendingDoc>& docs, QWidget* parent) const
{
    QProgressDialog progress(QStringLiteral("正在审核单据，请稍候..."), QString(), 0, int(docs.size()), parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int approved = 0;
    try {
        for (int i = 0; i < docs.size(); ++i) {
            progress.setValue(i);
            const QString answer = CheckApproveAllowed(docs[i].number, docs[i].date);
            if (answer != QLatin1String("ok")) {
                QApplication::restoreOverrideCursor();
                Prompt::Info(answer);
                QApplication::setOverrideCursor(Qt::WaitCursor);
                continue;
            }
            if (Approve(docs[i].number, docs[i].operatorName))
                ++approved;
        }
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    progress.setValue(int(docs.size()));
    QApplication::restoreOverrideCursor();
    return approved;
}

bool DocWindow::UnapproveAll(const QStringList& numbers, QWidget* parent)
{
    if (Prompt::YesNo(
            QStringLiteral("您的操作将取消当前界面中所有已审核的单据，\r\n\r\n（如需取消审核某个单据，请按【否("
                           "N)】！），\r\n\r\n如果在取消审核结束后仍有未取消审核的单据，\r\n\r\n请单独取消审核！"))
        != Prompt::Answer::Yes)
        return false;
    QProgressDialog progress(QStringLiteral("正在取消审核，请稍候..."), QString(), 0, int(numbers.size()), parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    AuxTag = QStringLiteral("kcpd");
    int cancelled = 0;
    {
        // The tag and the cursor go back however the run ends.
        struct Restore {
            ~Restore()
            {
                AuxTag.clear();
                QApplication::restoreOverrideCursor();
            }
        } restore;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        for (int i = 0; i < numbers.size(); ++i) {
            progress.setValue(i);
            UnapproveResult.clear();
            UnapproveDocument(numbers[i]);
            if (UnapproveResult == QLatin1String("ok"))
                ++cancelled;
        }
        progress.setValue(int(numbers.size()));
    }
    Prompt::Info(QStringLiteral("取消审核完成，共 ") + QString::number(numbers.size()) + QStringLiteral(" 个单据，")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("取消审核 ") + QString::number(cancelled)
        + QStringLiteral(" 个单据，") + QStringLiteral("\r\n\r\n") + QStringLiteral("如果有未取消审核的单据，")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("请单独取消审核！"));
    return true;
}

void GhsFilter(DataGrid& grid, const QString& text)
{
    grid.ClearFilter();
    if (text.isEmpty()) {
        grid.SetFilterActive(false);
        return;
    }
    grid.SetFilterJoin(GridFilter::Join::Or);
    const QString pattern = QLatin1Char('%') + text + QLatin1Char('%');
    for (const char* field : { "ghs_name", "ghs_jm", "ghs_sn", "ghs_tele", "ghs_address" })
        grid.AddFilter(QLatin1String(field), pattern);
    grid.SetFilterActive(true);
}

DataGrid* NewSupplierGrid(QWidget* parent, const QString& objectName)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(objectName);
    grid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Ghsxx")));
    AddGridColumns(*grid,
        { { "ghs_sn", "编号", "70" }, { "ghs_name", "供货商名称", "180" }, { "ghs_lxr", "联系人", "80" },
            { "ghs_tele", "联系电话", "100" }, { "ghs_address", "联系地址", "160" },
            { "gt_name", "供货商类型", "90" } });
    return grid;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption, QBoxLayout* row)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    if (row)
        row->addWidget(b);
    return b;
}

QLabel* NamedLabel(QWidget* parent, const char* caption, const char* name)
{
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

void AddGridColumns(DataGrid& grid, std::initializer_list<std::array<const char*, 3>> columns)
{
    for (const auto& c : columns)
        grid.AddColumn(QString::fromLatin1(c[0]), QString::fromUtf8(c[1]), QString::fromLatin1(c[2]).toInt());
}

SupplierPanel::SupplierPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("RzPanelGhs"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* box = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("查找供货商(F2)："), this));
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    top->addWidget(tkey, 1);
    comSx = new QComboBox(this);
    comSx->setObjectName(QStringLiteral("comSx"));
    comSx->addItems({ QStringLiteral("编号顺序"), QStringLiteral("编号倒序") });
    top->addWidget(comSx);
    box->addLayout(top);
    cxGridGhsView = NewSupplierGrid(this, QStringLiteral("cxGridGhsView"));
    box->addWidget(cxGridGhsView, 1);
    auto* bar = new QHBoxLayout;
    btnGhsAdd = NamedButton(this, "btnGhsAdd", "添加(F8)", bar);
    btnGhsModi = NamedButton(this, "btnGhsModi", "修改(F9)", bar);
    bar->addStretch(1);
    btnGhsOK = NamedButton(this, "btnGhsOK", "确定(F5)", bar);
    btnGhsExit = NamedButton(this, "btnGhsExit", "退出(Esc)", bar);
    box->addLayout(bar);

    connect(tkey, &QLineEdit::textChanged, this, [this] { ghsFilter(tkey->text().trimmed()); });
    connect(comSx, &QComboBox::currentIndexChanged, this, [this] { comSxChange(); });
    connect(btnGhsOK, &QPushButton::clicked, this, [this] { btnGhsOKClick(); });
    connect(btnGhsExit, &QPushButton::clicked, this, [this] { btnGhsExitClick(); });
    connect(cxGridGhsView, &DataGrid::rowDoubleClicked, this, [this] { btnGhsOKClick(); });
    hide();
}

void SupplierPanel::ShowFiltered(const QString& text)
{
    ghsFilter(text);
    show();
    raise();
}

void SupplierPanel::ghsFilter(const QString& text)
{
    GhsFilter(*cxGridGhsView, text);
}

void SupplierPanel::comSxChange()
{
    OpenSupplierList(QString::number(comSx->currentIndex()));
}

void SupplierPanel::btnGhsOKClick()
{
    // A list filtered to nothing chooses nobody: the document then has no supplier.
    QString sn;
    QString name;
    const int row = cxGridGhsView->CurrentRow();
    if (cxGridGhsView->RowCount() > 0 && row >= 0) {
        sn = cxGridGhsView->Value(row, QStringLiteral("ghs_sn")).toString();
        name = cxGridGhsView->Value(row, QStringLiteral("ghs_name")).toString();
    }
    if (chosen)
        chosen(sn, name);
    hide();
}

void SupplierPanel::btnGhsExitClick()
{
    hide();
}

SupplierPicker::SupplierPicker(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("RzPanel_Ghs2"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* box = new QVBoxLayout(this);
    cxGrid4View = NewSupplierGrid(this, QStringLiteral("cxGrid4View"));
    box->addWidget(cxGrid4View, 1);
    auto* bar = new QHBoxLayout;
    chkGhsAll = new QCheckBox(QStringLiteral("查询全部供货商"), this);
    chkGhsAll->setObjectName(QStringLiteral("chkGhsAll"));
    bar->addWidget(chkGhsAll);
    bar->addStretch(1);
    btnGhs2OK = NamedButton(this, "btnGhs2OK", "确定(F5)", bar);
    btnGhs2Exit = NamedButton(this, "btnGhs2Exit", "退出(Esc)", bar);
    box->addLayout(bar);
    connect(chkGhsAll, &QCheckBox::clicked, this, [this](bool on) {
        if (!on)
            return;
        hide();
        if (chosen)
            chosen(QStringLiteral("全部供货商"));
    });
    connect(btnGhs2OK, &QPushButton::clicked, this, [this] { btnGhs2OKClick(); });
    connect(btnGhs2Exit, &QPushButton::clicked, this, [this] { btnGhs2ExitClick(); });
    connect(cxGrid4View, &DataGrid::rowDoubleClicked, this, [this] { btnGhs2OKClick(); });
    hide();
}

void SupplierPicker::ShowFiltered(const QString& text)
{
    chkGhsAll->setChecked(false);
    GhsFilter(*cxGrid4View, SupplierSearchText(text));
    show();
    raise();
}

void SupplierPicker::btnGhs2OKClick()
{
    const int row = cxGrid4View->CurrentRow();
    if (cxGrid4View->RowCount() == 0 || row < 0)
        return;
    const QString name = cxGrid4View->Value(row, QStringLiteral("ghs_name")).toString();
    hide();
    if (chosen)
        chosen(name);
}

void SupplierPicker::btnGhs2ExitClick()
{
    hide();
}

QString SupplierSearchText(const QString& typed)
{
    const QString t = typed.trimmed();
    if (t == QStringLiteral("全部供货商") || t == QStringLiteral("当前供货商"))
        return QString();
    return t;
}
