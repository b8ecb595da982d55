#include "members/posprinset.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/pickersform.h"
#include "platform/db/transaction.h"
#include "platform/ui/printers.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

struct BoxColumn {
    const char* column;
    QCheckBox* TF_PosPrinSet::*box;
};

const BoxColumn kBoxes[] = { { "pp_zjdy", &TF_PosPrinSet::pp_zjdy }, { "pp_dkqx", &TF_PosPrinSet::pp_dkqx },
    { "pp_zdqz", &TF_PosPrinSet::pp_zdqz }, { "pp_xfjf", &TF_PosPrinSet::pp_xfjf },
    { "pp_fkfs", &TF_PosPrinSet::pp_fkfs }, { "pp_jedx", &TF_PosPrinSet::pp_jedx },
    { "pp_bzxx", &TF_PosPrinSet::pp_bzxx } };

struct TextColumn {
    const char* column;
    QLineEdit* TF_PosPrinSet::*edit;
};

const TextColumn kTexts[] = { { "pp_bt1", &TF_PosPrinSet::pp_bt1 }, { "pp_bt2", &TF_PosPrinSet::pp_bt2 },
    { "pp_jz1", &TF_PosPrinSet::pp_jz1 }, { "pp_jz2", &TF_PosPrinSet::pp_jz2 } };

void SetPosition(QComboBox* combo, const QString& value)
{
    bool ok = false;
    const int index = value.toInt(&ok);
    if (ok && index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

} // namespace

TF_PosPrinSet::TF_PosPrinSet(QWidget* parent) : Form(parent)
{
    setObjectName(QStringLiteral("TF_PosPrinSet"));
    setWindowTitle(QStringLiteral("打印设置"));
    auto* box = new QVBoxLayout(this);
    auto check = [this, box](const QString& caption, const char* name, bool shown) {
        auto* c = new QCheckBox(caption, this);
        c->setObjectName(QLatin1String(name));
        c->setVisible(shown);
        box->addWidget(c);
        return c;
    };
    pp_zjdy = check(QStringLiteral("结账后打印销售单"), "pp_zjdy", true);
    pp_bzxx = check(QStringLiteral("小票打印之前先预览"), "pp_bzxx", true);
    pp_dkqx = check(QStringLiteral("自动打开钱箱"), "pp_dkqx", false);
    pp_zdqz = check(QStringLiteral("POS小票打印完毕后自动切纸"), "pp_zdqz", false);
    pp_xfjf = check(QStringLiteral("打印会员消费、积分信息"), "pp_xfjf", false);
    pp_fkfs = check(QStringLiteral("打印付款方式信息"), "pp_fkfs", false);
    pp_jedx = check(QStringLiteral("打印消费金额大写"), "pp_jedx", false);
    auto* form = new QFormLayout;
    comDyfs = new QComboBox(this);
    comDyfs->setObjectName(QStringLiteral("comDyfs"));
    comDyfs->addItems({ QStringLiteral("普通打印机"), QStringLiteral("POS打印机") });
    comDyfs->setVisible(false);
    comDyj = new QComboBox(this);
    comDyj->setObjectName(QStringLiteral("comDyj"));
    comDyj->setVisible(false);
    comKd = new QComboBox(this);
    comKd->setObjectName(QStringLiteral("comKd"));
    comKd->addItems({ QStringLiteral("58mm"), QStringLiteral("80mm") });
    form->addRow(QStringLiteral("纸张宽度："), comKd);
    pp_khs = NamedEdit(this, "pp_khs", 2);
    pp_khs->setVisible(false);
    box->addLayout(form);
    auto* group = new QGroupBox(QStringLiteral("POS小票标题、脚注设置"), this);
    auto* texts = new QFormLayout(group);
    const char* const captions[] = { "销售单标题1：", "销售单标题2：", "销售单脚注1：", "销售单脚注2：" };
    for (int i = 0; i < 4; ++i) {
        QLineEdit* e = NamedEdit(this, kTexts[i].column, 64);
        this->*kTexts[i].edit = e;
        texts->addRow(QString::fromUtf8(captions[i]), e);
    }
    pp_fs = NamedEdit(this, "pp_fs", 1);
    pp_fs->setValidator(new QIntValidator(0, 9, pp_fs));
    texts->addRow(QStringLiteral("默认打印小票份数："), pp_fs);
    box->addWidget(group);
    AddDialogButtons(box, this, QStringLiteral("保存(F5)"), QStringLiteral("退出(Esc)"), [this] { btnSaveClick(); });
}

void TF_PosPrinSet::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    comDyfs->setCurrentIndex(0);
    comKd->setCurrentIndex(0);
    comDyj->clear();
    comDyj->addItems(Printers::Installed());
    pp_zjdy->setEnabled(PickerCaller == QLatin1String("posxs"));
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select * from jxc_posprint order by id"));
    q.Open();
    if (q.IsEmpty())
        return;
    for (const BoxColumn& b : kBoxes)
        (this->*b.box)->setChecked(q.FieldByName(QLatin1String(b.column)).AsBoolean());
    SetPosition(comDyfs, q.AsString(QStringLiteral("pp_dyfs")));
    SetPosition(comDyj, q.AsString(QStringLiteral("pp_dyj")));
    for (const TextColumn& t : kTexts)
        (this->*t.edit)->setText(q.AsString(QLatin1String(t.column)));
    pp_khs->setText(q.AsString(QStringLiteral("pp_khs")));
    pp_fs->setText(QString::number(q.AsString(QStringLiteral("pp_fs")).toInt()));
    SetPosition(comKd, q.AsString(QStringLiteral("pp_kd")));
}

void TF_PosPrinSet::btnSaveClick()
{
    QString blankLines = pp_khs->text().trimmed();
    if (blankLines.isEmpty())
        blankLines = QStringLiteral("5");
    Transaction t(F_DataModule->ADOConn);
    ExecSQL(QStringLiteral("delete from jxc_posprint"));
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select * from jxc_posprint"));
    q.Open();
    q.Append();
    for (const BoxColumn& b : kBoxes)
        q.SetValue(QLatin1String(b.column), (this->*b.box)->isChecked() ? 1 : 0);
    for (const TextColumn& tc : kTexts)
        q.SetValue(QLatin1String(tc.column), (this->*tc.edit)->text().trimmed());
    q.SetValue(QStringLiteral("pp_khs"), blankLines);
    q.SetValue(QStringLiteral("pp_fs"), pp_fs->text().trimmed());
    q.SetValue(QStringLiteral("pp_dyfs"), comDyfs->currentIndex());
    q.SetValue(QStringLiteral("pp_dyj"), comDyj->currentIndex());
    q.SetValue(QStringLiteral("pp_kd"), comKd->currentIndex());
    q.Post();
    t.Commit();
    Prompt::Info(QStringLiteral("保存成功！"));
    close();
}

void TF_PosPrinSet::btnExitClick()
{
    close();
}
