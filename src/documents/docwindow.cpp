#include "documents/docwindow.h"

#include "foundation/approvalhooks.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/prompt.h"
#include "posting/tradereversal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
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

QString DocWindow::SaveRefusal(bool hasLines, const QString& partnerText, const QString& noPartner,
    const QComboBox& handler, const QComboBox& warehouse)
{
    if (!hasLines)
        return QStringLiteral("单据中没有业务发生，不能保存！");
    if (partnerText.trimmed().isEmpty())
        return noPartner;
    if (handler.currentText().isEmpty() || handler.currentIndex() < 0)
        return QStringLiteral("请选择经办人！");
    if (warehouse.currentText().isEmpty() || warehouse.currentIndex() < 0)
        return QStringLiteral("请选择仓库！");
    return QString();
}

bool DocWindow::DateChange(const QString& date, QString& lastDate, QString& number) const
{
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    if (date > today
        && Prompt::YesNo(QStringLiteral("您选择的日期：") + date + QStringLiteral("，") + QStringLiteral("\r\n\r\n")
               + QStringLiteral("大于计算机的当前日期：") + today + QStringLiteral("，") + QStringLiteral("\r\n\r\n")
               + QStringLiteral("确认继续吗？"))
            == Prompt::Answer::No)
        return false;
    if (date == lastDate)
        return true;
    lastDate = date;
    // The date stays changed even when the number cannot be redrawn.
    try {
        number = RedrawForDate(kind_, number, date);
    } catch (const std::exception&) {
    }
    return true;
}

SaveButtonGuard::SaveButtonGuard(QPushButton* button) : button_(button)
{
    button_->setEnabled(false);
    QApplication::processEvents();
}

SaveButtonGuard::~SaveButtonGuard()
{
    if (!done_)
        button_->setEnabled(true);
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

bool DocWindow::UnapproveFromList(Query& list, const QString& numberField, bool documentView, bool all, QWidget* parent)
{
    if (!documentView) {
        Prompt::Info(all ? QStringLiteral("取消审核只能在单据表进行！") : QStringLiteral("批量取消只能在单据表进行！"));
        return false;
    }
    if (!list.Active() || list.IsEmpty())
        return false;
    if (all) {
        QStringList numbers;
        const int col = list.FieldIndex(numberField);
        for (int r = 0; r < list.RecordCount(); ++r)
            numbers << list.TextAt(r, col);
        return UnapproveAll(numbers, parent);
    }
    UnapproveResult.clear();
    UnapproveDocument(list.AsString(numberField));
    return UnapproveResult == QLatin1String("ok");
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

namespace {

void OrFilter(DataGrid& grid, std::initializer_list<const char*> fields, const QString& text)
{
    grid.ClearFilter();
    if (text.isEmpty()) {
        grid.SetFilterActive(false);
        return;
    }
    grid.SetFilterJoin(GridFilter::Join::Or);
    const QString pattern = QLatin1Char('%') + text + QLatin1Char('%');
    for (const char* field : fields)
        grid.AddFilter(QLatin1String(field), pattern);
    grid.SetFilterActive(true);
}

} // namespace

void GhsFilter(DataGrid& grid, const QString& text)
{
    OrFilter(grid, { "ghs_name", "ghs_jm", "ghs_sn", "ghs_tele", "ghs_address" }, text);
}

void KhFilter(DataGrid& grid, const QString& text)
{
    OrFilter(grid, { "kh_name", "kh_jm", "kh_sn", "kh_tele", "kh_lxr", "kh_address" }, text);
}

DataGrid* NewSupplierGrid(QWidget* parent, const QString& objectName)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(objectName);
    grid->SetDataSource(&F_DataModule->D(QStringLiteral("D_Ghsxx")));
    SupplierSide().columns(*grid);
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

const ChooserSide& SupplierSide()
{
    static const ChooserSide side { "RzPanelGhs", "查找供货商(F2)：", "D_Ghsxx", "cxGridGhsView", "ghs_sn", "ghs_name",
        GhsFilter, OpenSupplierList,
        [](DataGrid& g) {
            AddGridColumns(g,
                { { "ghs_sn", "编号", "70" }, { "ghs_name", "供货商名称", "180" }, { "ghs_lxr", "联系人", "80" },
                    { "ghs_tele", "联系电话", "100" }, { "ghs_address", "联系地址", "160" },
                    { "gt_name", "供货商类型", "90" } });
        },
        "btnGhsAdd", "btnGhsModi", "btnGhsOK", "btnGhsExit" };
    return side;
}

const ChooserSide& CustomerSide()
{
    static const ChooserSide side { "RzPanelKh", "查找客户(F2)：", "D_Khxx", "cxGridKhView", "kh_sn", "kh_name",
        KhFilter, OpenCustomerList,
        [](DataGrid& g) {
            AddGridColumns(g,
                { { "kh_sn", "编号", "70" }, { "kh_name", "客户名称", "180" }, { "kh_lxr", "联系人", "80" },
                    { "kh_tele", "联系电话", "100" }, { "kh_address", "联系地址", "160" },
                    { "ktname", "客户类型", "90" }, { "z_name", "所属地区", "90" } });
        },
        "btnKhAdd", "btnKhModi", "btnKhOK", "btnKhExit" };
    return side;
}

PartnerChooser::PartnerChooser(QWidget* parent, const ChooserSide& side) : QFrame(parent), side_(side)
{
    setObjectName(QLatin1String(side.objectName));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* box = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QString::fromUtf8(side.searchCaption), this));
    tkey = new QLineEdit(this);
    tkey->setObjectName(QStringLiteral("tkey"));
    top->addWidget(tkey, 1);
    comSx = new QComboBox(this);
    comSx->setObjectName(QStringLiteral("comSx"));
    comSx->addItems({ QStringLiteral("编号顺序"), QStringLiteral("编号倒序") });
    top->addWidget(comSx);
    box->addLayout(top);
    grid = new DataGrid(this);
    grid->setObjectName(QLatin1String(side.gridName));
    grid->SetDataSource(&F_DataModule->D(QLatin1String(side.dataset)));
    side.columns(*grid);
    box->addWidget(grid, 1);
    auto* bar = new QHBoxLayout;
    btnAdd = NamedButton(this, side.addName, "添加(F8)", bar);
    btnModi = NamedButton(this, side.modiName, "修改(F9)", bar);
    bar->addStretch(1);
    btnOK = NamedButton(this, side.okName, "确定(F5)", bar);
    btnExit = NamedButton(this, side.exitName, "退出(Esc)", bar);
    box->addLayout(bar);

    connect(tkey, &QLineEdit::textChanged, this, [this] { Filter(tkey->text().trimmed()); });
    connect(comSx, &QComboBox::currentIndexChanged, this, [this] { comSxChange(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { Choose(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { Leave(); });
    connect(grid, &DataGrid::rowDoubleClicked, this, [this] { Choose(); });
    hide();
}

void PartnerChooser::ShowFiltered(const QString& text)
{
    Filter(text);
    show();
    raise();
}

void PartnerChooser::Filter(const QString& text)
{
    side_.filter(*grid, text);
}

void PartnerChooser::comSxChange()
{
    side_.reopen(QString::number(comSx->currentIndex()));
}

void PartnerChooser::Choose()
{
    // A list filtered to nothing chooses nobody: the document then has no partner.
    QString sn;
    QString name;
    const int row = grid->CurrentRow();
    if (grid->RowCount() > 0 && row >= 0) {
        sn = grid->Value(row, QLatin1String(side_.snField)).toString();
        name = grid->Value(row, QLatin1String(side_.nameField)).toString();
    }
    if (chosen)
        chosen(sn, name);
    hide();
}

void PartnerChooser::Leave()
{
    hide();
}

void PartnerChooser::KeyDown(int key, const std::function<void()>& add, const std::function<void()>& modify)
{
    switch (key) {
    case Qt::Key_F8:
        add();
        return;
    case Qt::Key_F9:
        modify();
        return;
    case Qt::Key_F5:
        Choose();
        return;
    case Qt::Key_F2:
        tkey->setFocus();
        return;
    case Qt::Key_Escape:
        Leave();
        return;
    default:
        return;
    }
}

bool DocWindowKey(QKeyEvent* e, const std::function<void(int)>& formKeyDown)
{
    switch (e->key()) {
    case Qt::Key_F2:
    case Qt::Key_F5:
    case Qt::Key_F8:
    case Qt::Key_F9:
    case Qt::Key_Escape:
        formKeyDown(e->key());
        e->accept();
        return true;
    default:
        return false;
    }
}

SupplierPanel::SupplierPanel(QWidget* parent)
    : PartnerChooser(parent, SupplierSide()), cxGridGhsView(grid), btnGhsAdd(btnAdd), btnGhsModi(btnModi),
      btnGhsOK(btnOK), btnGhsExit(btnExit)
{
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
