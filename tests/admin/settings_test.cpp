#include "admin/settingscolumns.h"
#include "admin/xtcs.h"
#include "foundation/schema/schema.h"
#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "support/accountset.h"
#include "support/platform/testdb.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace {

class XtcsTest : public AccountSetTest {
protected:
    // The settings row, column by column as text.
    QHash<QString, QString> Row()
    {
        Query q(&dm->ADOConn);
        q.SetSQL("select * from jxc_xtcs");
        q.Open();
        QHash<QString, QString> row;
        for (const QString& f : q.FieldNames())
            row.insert(f, q.AsString(f));
        return row;
    }
    QString Setting(const QString& column) { return QueryScalar("select " + column + " from jxc_xtcs"); }
    QString Company(const QString& column) { return QueryScalar("select " + column + " from jxc_company"); }

    // A window filled from the account set, with a valid company.
    void Open(TF_Xtcs& w)
    {
        w.Activate();
        w.tname->setText("华彩服饰贸易有限公司");
        w.tjc->setText("华彩");
    }
};

// A bit reads "True"/"False"; the table writes seeds as "1"/"0".
QString asFlag(const QString& v)
{
    return v == "True" ? "1" : v == "False" ? "0" : v;
}

TEST_F(XtcsTest, TheTableCoversTheSeedRowAndNamesEachControlOnce)
{
    const auto row = Row();
    QSet<QString> controls;
    for (const SettingColumn& e : SettingColumns()) {
        ASSERT_TRUE(row.contains(e.column)) << e.column.toStdString();
        EXPECT_EQ(asFlag(row.value(e.column)), e.seed) << e.column.toStdString();
        if (e.kind != SettingKind::Constant) {
            EXPECT_FALSE(controls.contains(e.control)) << e.control.toStdString();
            controls.insert(e.control);
        }
    }
    TF_Xtcs w;
    for (const QString& c : controls)
        EXPECT_NE(w.findChild<QWidget*>(c), nullptr) << c.toStdString();
}

// Every value the window shows comes back unchanged from a save; only the columns
// a save writes as constants change.
TEST_F(XtcsTest, ASaveWithoutEditsKeepsEveryColumnButTheConstants)
{
    for (const SettingColumn& e : SettingColumns()) {
        QString v;
        switch (e.kind) {
        case SettingKind::Box:
        case SettingKind::HiddenBox:
            v = e.seed == "1" ? "0" : "1";
            break;
        case SettingKind::IntBox:
        case SettingKind::Choice:
        case SettingKind::HiddenChoice:
            v = "1";
            break;
        case SettingKind::Digits:
            v = "5";
            break;
        case SettingKind::Number:
            v = "0.75";
            break;
        case SettingKind::Text:
            v = "'$'";
            break;
        case SettingKind::Constant:
            v = e.written.isEmpty() ? "'x'" : "7";
            break;
        }
        ExecSQL("update jxc_xtcs set " + e.column + "=" + v);
    }
    ExecSQL("update jxc_xtcs set cs_tmscff=1,cs_cs033=4,cs_employdate='2023-04-30'");
    const auto before = Row();

    TF_Xtcs w;
    Open(w);
    ASSERT_TRUE(w.saveValue());

    const auto after = Row();
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key() == "id")
            continue;
        const SettingColumn* e = SettingByColumn(it.key());
        const QString expected = e && e->kind == SettingKind::Constant ? e->written : asFlag(it.value());
        EXPECT_EQ(asFlag(after.value(it.key())), expected) << it.key().toStdString();
    }
    EXPECT_EQ(after.value("cs_tmscff"), "1");
    EXPECT_EQ(after.value("cs_employdate"), "2023-04-30");
    EXPECT_EQ(after.value("cs_poshooktoday"), "False");
    EXPECT_EQ(after.value("cs_cs004"), "0");
}

TEST_F(XtcsTest, CompanyTextsAreSafeAndCut)
{
    TF_Xtcs w;
    Open(w);
    w.tname->setText("  O'Neil & Co  ");
    w.tjc->setText(QString(20, QChar(u'简')));
    w.taddress->setText(QString(100, 'a'));
    w.tnote->setPlainText(" 备注(一) ");
    ASSERT_TRUE(w.saveValue());
    EXPECT_EQ(Company("c_name"), "O‘Neil ＆ Co");
    EXPECT_EQ(Company("c_jc"), QString(16, QChar(u'简')));
    EXPECT_EQ(Company("c_address"), QString(100, 'a'));
    EXPECT_EQ(Company("c_note"), "备注(一)");
    EXPECT_EQ(CompanyName, "O‘Neil ＆ Co");
}

TEST_F(XtcsTest, ValuesThatDependOnTheirBoxOrRange)
{
    struct Case {
        const char* what;
        std::function<void(TF_Xtcs&)> edit;
        const char* column;
        const char* stored;
    };
    const std::vector<Case> cases = {
        { "decimals 9", [](TF_Xtcs& w) { w.Edit("tXsws")->setText("9"); }, "cs_xsws", "8" },
        { "totals unticked",
            [](TF_Xtcs& w) {
                w.Box("chkZjews")->setChecked(false);
                w.Edit("tzjews")->setText("3");
            },
            "cs_jews", "0" },
        { "totals ticked",
            [](TF_Xtcs& w) {
                w.Box("chkZjews")->setChecked(true);
                w.Edit("tzjews")->setText("3");
            },
            "cs_jews", "3" },
        { "discount unticked",
            [](TF_Xtcs& w) {
                w.Box("chkJhzk")->setChecked(false);
                w.Edit("tzdzk")->setText("0.8");
            },
            "cs_zdzk", "0" },
        { "discount negative",
            [](TF_Xtcs& w) {
                w.Box("chkJhzk")->setChecked(true);
                w.Edit("tzdzk")->setText("-0.5");
            },
            "cs_zdzk", "0" },
        { "discount ticked",
            [](TF_Xtcs& w) {
                w.Box("chkJhzk")->setChecked(true);
                w.Edit("tzdzk")->setText("0.85");
            },
            "cs_zdzk", "0.85" },
        { "tax unticked",
            [](TF_Xtcs& w) {
                w.Box("chkHs")->setChecked(false);
                w.Edit("tTax")->setText("13");
            },
            "cs_tax", "0" },
        { "print rows unticked",
            [](TF_Xtcs& w) {
                w.Box("chkXsdhs")->setChecked(false);
                w.Edit("txsdhs")->setText("12");
            },
            "cs_cs005", "0" },
        { "print rows ticked",
            [](TF_Xtcs& w) {
                w.Box("chkCgdhs")->setChecked(true);
                w.Edit("tcgdhs")->setText("12");
            },
            "cs_cs006", "12" },
        { "second-unit stock without second units",
            [](TF_Xtcs& w) {
                w.Box("chkFzdw")->setChecked(false);
                w.Box("chkFzdwkc")->setChecked(true);
            },
            "cs_cs003", "False" },
        { "font size", [](TF_Xtcs& w) { w.Combo("comFontSize")->setCurrentIndex(4); }, "cs_cs031", "4" },
        { "currency sign", [](TF_Xtcs& w) { w.Edit("tXshbfh")->setText(" $ "); }, "cs_hbfh", "$" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TF_Xtcs w;
        Open(w);
        c.edit(w);
        ASSERT_TRUE(w.saveValue());
        EXPECT_EQ(Setting(c.column), c.stored);
    }
}

TEST_F(XtcsTest, ClampedDecimalsShowAndTotalsFollowAmountsAfterTheReload)
{
    TF_Xtcs w;
    Open(w);
    w.Edit("tXsws")->setText("9");
    w.Edit("tCbjs")->setText("3");
    w.Box("chkZjews")->setChecked(false);
    w.Edit("tzjews")->setText("5");
    ASSERT_TRUE(w.saveValue());
    EXPECT_EQ(w.Edit("tXsws")->text(), "8");
    EXPECT_EQ(AmountDecimals, 8);
    EXPECT_EQ(QtyDecimals, 3);
    EXPECT_EQ(TotalDecimals, "8");
}

TEST_F(XtcsTest, BlankCompanyNamesWriteNothing)
{
    const QString shortName = Company("c_jc");
    for (const char* field : { "name", "short" }) {
        SCOPED_TRACE(field);
        TF_Xtcs w;
        Open(w);
        (QString(field) == "name" ? w.tname : w.tjc)->setText("   ");
        w.Box("chkXjyh")->setChecked(false);
        EXPECT_FALSE(w.saveValue());
        EXPECT_EQ(prompt.LastMessage(), "公司信息必须填写！");
        EXPECT_EQ(Setting("cs_xjyh"), "True");
        EXPECT_EQ(Setting("cs_poshooktoday"), "True");
        EXPECT_EQ(Company("c_jc"), shortName);
    }
}

TEST_F(XtcsTest, AFailedAppendLeavesTheOldRows)
{
    ExecSQL("update jxc_company set c_name='旧公司'");
    if (TestDb::OnServer()) {
        ExecSQL("create function refuse() returns trigger language plpgsql as "
                "'begin raise exception ''refused''; end'");
        ExecSQL("create trigger refuse before insert on jxc_xtcs for each row execute function refuse()");
    } else {
        ExecSQL("create trigger refuse before insert on jxc_xtcs begin select raise(abort,'refused'); end");
    }
    TF_Xtcs w;
    Open(w);
    w.Box("chkXjyh")->setChecked(false);
    EXPECT_THROW(w.saveValue(), DbError);
    EXPECT_EQ(Count("jxc_xtcs"), 1);
    EXPECT_EQ(Setting("cs_xjyh"), "True");
    EXPECT_EQ(Company("c_name"), "旧公司");
}

TEST_F(XtcsTest, RestoringDefaultsKeepsTheCompanyAndTheCostMethod)
{
    ExecSQL("update jxc_company set c_name='旧公司'");
    ExecSQL("update jxc_xtcs set cs_xjyh=0,cs_xsws=5,cs_cs032=1,cs_poshooktoday=0,cs_employdate='2023-04-30'");
    ExecSQL("update jxc_email set e_smtp='smtp.example.com'");
    TF_Xtcs w;
    w.Activate();

    prompt.Answer(Prompt::Answer::No);
    w.btnDefaultClick();
    EXPECT_EQ(Setting("cs_xjyh"), "False");

    prompt.Answer(Prompt::Answer::Yes);
    w.btnDefaultClick();
    EXPECT_EQ(prompt.Questions().last(), "您的操作要恢复系统默认设置，确认吗？");
    EXPECT_EQ(prompt.LastMessage(), "默认系统设置已恢复！");
    EXPECT_EQ(Setting("cs_xjyh"), "True");
    EXPECT_EQ(Setting("cs_xsws"), "2");
    EXPECT_EQ(Setting("cs_poshooktoday"), "True");
    EXPECT_EQ(Setting("cs_employdate"), "1900-01-01");
    EXPECT_EQ(Setting("cs_cs032"), "1");
    EXPECT_EQ(QueryScalar("select e_smtp from jxc_email"), "");
    EXPECT_EQ(Company("c_name"), "旧公司");
    EXPECT_EQ(w.PageControl1->currentIndex(), 1);
    EXPECT_TRUE(w.Box("chkXjyh")->isChecked());
    EXPECT_EQ(w.Edit("tXsws")->text(), "2");
    EXPECT_EQ(AmountDecimals, 2);

    w.btnCancelClick();
    EXPECT_EQ(Setting("cs_xsws"), "2");
}

TEST_F(XtcsTest, TheWiderWarehouseBindingNeedsTheOperatorBinding)
{
    // Loading takes the stored values as they are.
    ExecSQL("update jxc_xtcs set cs_cgyh=0,cs_shtc=1");
    TF_Xtcs w;
    w.Activate();
    EXPECT_FALSE(w.chkCgyh->isChecked());
    EXPECT_TRUE(w.chkShtc->isChecked());

    w.chkShtc->setChecked(false);
    w.chkShtc->setChecked(true);
    EXPECT_TRUE(w.chkCgyh->isChecked());
    w.chkCgyh->setChecked(false);
    EXPECT_FALSE(w.chkShtc->isChecked());
    w.chkCgyh->setChecked(true);
    EXPECT_FALSE(w.chkShtc->isChecked());
}

TEST_F(XtcsTest, AnIntBoxShowsTickedOnlyOnOne)
{
    ExecSQL("update jxc_xtcs set cs_cgyh=2,cs_xsyh=1");
    TF_Xtcs w;
    w.Activate();
    EXPECT_FALSE(w.chkCgyh->isChecked());
    EXPECT_TRUE(w.Box("chkXsyh")->isChecked());
    EXPECT_EQ(w.PageControl1->currentIndex(), 0);
    EXPECT_TRUE(w.Combo("comDbdj")->isHidden());
    EXPECT_TRUE(w.Combo("comCbff")->isHidden());
}

} // namespace
