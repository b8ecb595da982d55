#include "documents/entrytab.h"

#include "documents/docdrafts.h"
#include "foundation/combos.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

DocPages NewDocPages(QWidget* window, const char* entry, const char* pending, const char* query)
{
    DocPages pages;
    auto* box = new QVBoxLayout(window);
    pages.page = new QTabWidget(window);
    pages.page->setObjectName(QStringLiteral("cxPage"));
    int n = 0;
    for (auto [tab, caption] :
        { std::pair { &pages.entry, entry }, { &pages.pending, pending }, { &pages.query, query } }) {
        *tab = new QWidget;
        (*tab)->setObjectName(QStringLiteral("cxTab") + QString::number(++n));
        pages.page->addTab(*tab, QString::fromUtf8(caption));
    }
    box->addWidget(pages.page);
    return pages;
}

QLabel* NewDocNumberLabel(QWidget* parent, const char* name)
{
    QLabel* label = NamedLabel(parent, "", name);
    label->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    return label;
}

QDateEdit* NewDocDateEdit(QWidget* parent, const char* name)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    return edit;
}

QGroupBox* NewEntryButtonGroup(QWidget* tab, std::initializer_list<EntryButton> buttons, QPushButton*& btnPrin,
    QAction*& btnPrin_W, QAction*& btnPrin_X, const std::function<void()>& print, const std::function<void()>& preview)
{
    auto* group = new QGroupBox(tab);
    group->setObjectName(QStringLiteral("RzGroupBox_Btns"));
    auto* bar = new QHBoxLayout(group);
    for (const EntryButton& b : buttons)
        *b.button = NamedButton(group, b.name, b.caption, bar);
    btnPrin = NamedButton(group, "btnPrin", "打印", bar);
    auto* menu = new QMenu(btnPrin);
    btnPrin_W = menu->addAction(QStringLiteral("打印单据(&W)"), group, print);
    btnPrin_X = menu->addAction(QStringLiteral("预览单据(&X)"), group, preview);
    btnPrin->setMenu(menu);
    bar->addStretch(1);
    return group;
}

SupplierPanel* NewSupplierChooser(QWidget* tab, QLineEdit* field)
{
    auto* panel = new SupplierPanel(tab);
    panel->setGeometry(80, 40, 640, 300);
    panel->chosen = [field](const QString& sn, const QString& name) {
        field->setText(name);
        CurrentSupplierSn = sn;
    };
    return panel;
}

QHBoxLayout* FieldWithButton(QWidget* field, QPushButton* button)
{
    button->setMaximumWidth(28);
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(button);
    return row;
}

void SetDocDateQuietly(QDateEdit* edit, const QDate& date)
{
    const QSignalBlocker quiet(edit);
    edit->setDate(date);
}

QString DocDateText(const QDateEdit* edit)
{
    return edit->date().toString(QStringLiteral("yyyy-MM-dd"));
}

DocHost EntryDocHost(QLabel* number, QDateEdit* date, KeyedCombo* warehouse, std::function<void()> reloadDraft,
    std::function<void()> reloadPending, std::function<void()> reloadPendingLines)
{
    DocHost host;
    host.number = [number] { return number->text(); };
    host.showNumber = [number](const QString& n) { number->setText(n); };
    host.date = [date] { return DocDateText(date); };
    host.warehouse = [warehouse] {
        return warehouse->currentIndex() >= 0 ? warehouse->Code(warehouse->currentIndex()) : QString();
    };
    host.reloadDraft = std::move(reloadDraft);
    host.reloadPending = std::move(reloadPending);
    host.reloadPendingLines = std::move(reloadPendingLines);
    return host;
}

bool EntryDateChanged(const DocWindow& doc, QDateEdit* date, QLabel* number, QString& lastDate)
{
    QString moved = number->text();
    if (!doc.DateChange(DocDateText(date), lastDate, moved)) {
        SetDocDateQuietly(date, QDate::fromString(lastDate, QStringLiteral("yyyy-MM-dd")));
        return false;
    }
    number->setText(moved);
    return true;
}

void ChooseDefaultWarehouse(KeyedCombo& warehouse, KeyedCombo& account)
{
    const int ck = warehouse.findText(DefaultWarehouseName());
    warehouse.setCurrentIndex(ck >= 0 ? ck : (warehouse.count() > 0 ? 0 : -1));
    if (account.count() > 0)
        account.setCurrentIndex(0);
}

void FillCashAccounts(KeyedCombo& account)
{
    FillCombo(
        account, QStringLiteral("jxc_yhzh"), QStringLiteral("yh_name"), QStringLiteral("yh_sn"), QStringLiteral("id"));
    if (account.count() > 0)
        account.setCurrentIndex(0);
}

void OpenDraftLines(Query& lines, const DocKind& kind, const QString& number)
{
    lines.SetSQL(QStringLiteral(
        "select a.g_name,a.g_jm,a.dw_name,a.gg_name,d.color_name,a.g_sccs,a.g_kc,a.g_bz,a.g_bzq,c.cm_name,b.*,"
        "b.%3_dj*b.%3_dzl as dj,e.t_sl,e.t_sl*b.%3_dj*b.%3_dzl as je,"
        "e.t_sl*b.%3_dj*b.%3_tax/100.00*b.%3_dzl as taxje,e.t_sl*b.%3_taxdj*b.%3_dzl as zje,"
        "e.id as eid from jxc_goods a,%1 b,jxc_cm c,jxc_color d,%2 e "
        "where a.g_sn=b.g_sn and b.id=e.tid and a.g_sn=e.g_sn and c.cm_sn=e.cm_sn and d.color_sn=e.color_sn "
        "and b.gl_djh=:djh and b.a_name=:aname order by b.id,e.id")
                     .arg(kind.lines, kind.detail, kind.linePrefix));
    lines.SetBaseTable(kind.lines);
    lines.SetParam(QStringLiteral("djh"), number);
    lines.SetParam(QStringLiteral("aname"), CurrentAdminName);
    lines.Open();
}

bool ModifyDraftLine(Query& lines, const QString& openMode, const QString& dialog)
{
    if (!lines.Active() || lines.IsEmpty())
        return false;
    OpenMode = openMode;
    SelectedSn = lines.AsString(QStringLiteral("g_sn"));
    FunctionWindows::Open(dialog, FunctionWindows::Lifetime::Freed);
    OpenMode.clear();
    SelectedSn.clear();
    return true;
}

bool DeleteDraftRow(const DocKind& kind, Query& lines)
{
    if (!lines.Active() || lines.IsEmpty())
        return false;
    if (Prompt::YesNo(QStringLiteral("您确定要删除当前选中的商品吗！")) == Prompt::Answer::No)
        return false;
    DeleteDetailRow(kind, lines.AsInteger(QStringLiteral("eid")), lines.AsInteger(QStringLiteral("id")));
    return true;
}

void FillEntryCombos(KeyedCombo& handler, const QString& staffFlag, KeyedCombo& warehouse, KeyedCombo& account)
{
    FillStaffCombo(handler, staffFlag);
    if (handler.count() > 0)
        handler.setCurrentIndex(0);
    FillOperatorWarehouses(warehouse);
    FillCashAccounts(account);
}

void ApplyEntryLineRights(bool allowed, QGroupBox* buttons, const EntryGridMenu& menu, BarcodePanel* panel)
{
    buttons->setEnabled(allowed);
    menu.btnRAdd->setEnabled(allowed);
    menu.btnRTm->setEnabled(allowed);
    panel->setVisible(allowed);
    if (allowed)
        panel->tSptm->setFocus();
}

void OpenPickerFor(const QString& caller, const QString& window)
{
    PickerCaller = caller;
    FunctionWindows::Open(window, FunctionWindows::Lifetime::Freed);
    PickerCaller.clear();
}

bool SaveRefused(bool hasLines, const QString& partnerText, const QString& noPartner, const QComboBox& handler,
    const QComboBox& warehouse)
{
    const QString refusal = DocWindow::SaveRefusal(hasLines, partnerText, noPartner, handler, warehouse);
    if (refusal.isEmpty())
        return false;
    Prompt::Info(refusal);
    return true;
}

std::optional<bool> AskSaveMode(const QString& pendingQuestion, const QString& directQuestion)
{
    const bool pendingOnly = ApproveOnSave == QLatin1String("0") || ApproveOnSave == QLatin1String("False");
    if (Prompt::YesNo(pendingOnly ? pendingQuestion : directQuestion) == Prompt::Answer::No)
        return std::nullopt;
    return pendingOnly;
}

bool SupplierPanelsKey(int key, SupplierPanel* chooser, SupplierPicker* picker, const std::function<void()>& add,
    const std::function<void()>& modify)
{
    if (!chooser->isHidden()) {
        chooser->KeyDown(key, add, modify);
        return true;
    }
    if (picker->isHidden())
        return false;
    if (key == Qt::Key_F5)
        picker->btnGhs2OKClick();
    else if (key == Qt::Key_Escape)
        picker->btnGhs2ExitClick();
    return true;
}

void EntryPagesKey(int key, const EntryPageKeys& keys)
{
    const int page = keys.pages->currentIndex();
    switch (key) {
    case Qt::Key_F2:
        if (page == 1)
            keys.searchPending();
        else if (page == 2) {
            if (keys.searchQuery)
                keys.searchQuery();
        } else if (keys.lineRights)
            keys.addOld();
        return;
    case Qt::Key_F9:
        if (keys.lineRights)
            keys.addNew();
        return;
    case Qt::Key_F5:
        keys.save();
        return;
    case Qt::Key_Escape:
        keys.leave();
        return;
    default:
        return;
    }
}

bool TopWindowShown(const QString& objectName)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == objectName && w->isVisible())
            return true;
    return false;
}
