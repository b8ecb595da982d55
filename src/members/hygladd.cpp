#include "members/hygladd.h"

#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "masterdata/pickersform.h"
#include "masterdata/spxxglpic.h"
#include "members/hyxf.h"
#include "members/memberops.h"
#include "members/smssend.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/ui/keyedcombo.h"
#include "platform/ui/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleValidator>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

Query& RegisterList()
{
    return F_DataModule->Q(QStringLiteral("Q_Hyxx"));
}

QDateEdit* DateBox(QWidget* parent, const char* name)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(QLatin1String(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

QLineEdit* DigitsEdit(QWidget* parent, const char* name, int maxLength)
{
    QLineEdit* e = NamedEdit(parent, name, maxLength);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    return e;
}

void SelectCode(KeyedCombo* combo, const QString& code)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->KeyObject(i) && combo->Code(i) == code) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

QString CurrentCode(const KeyedCombo* combo)
{
    const int i = combo->currentIndex();
    return i >= 0 && combo->KeyObject(i) ? combo->Code(i) : QString();
}

} // namespace

MemberRecordDialog::MemberRecordDialog(const QString& objectName, const QString& caption, bool adding, QWidget* parent)
    : Form(parent), adding_(adding)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto* box = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;

    auto* main = new QGroupBox(QStringLiteral("会员信息"), this);
    auto* f = new QFormLayout(main);
    hy_bh = NamedEdit(main, "hy_bh", 32);
    f->addRow(QStringLiteral("会员卡号："), hy_bh);
    hy_name = NamedEdit(main, "hy_name", 32);
    f->addRow(QStringLiteral("会员名称："), hy_name);
    hy_mm = NamedEdit(main, "hy_mm", 16);
    hy_mm->setEchoMode(QLineEdit::Password);
    f->addRow(QStringLiteral("会员密码："), hy_mm);
    hy_mm1 = NamedEdit(main, "hy_mm1", 16);
    hy_mm1->setEchoMode(QLineEdit::Password);
    f->addRow(QStringLiteral("确认密码："), hy_mm1);
    comHyfl = new KeyedCombo(main);
    comHyfl->setObjectName(QStringLiteral("comHyfl"));
    f->addRow(QStringLiteral("会员等级："), comHyfl);
    comHyyh = new KeyedCombo(main);
    comHyyh->setObjectName(QStringLiteral("comHyyh"));
    f->addRow(QStringLiteral("优惠方式："), comHyyh);
    hy_jf = DigitsEdit(main, "hy_jf", 8);
    f->addRow(QStringLiteral("会员积分："), hy_jf);
    hy_zhje = NamedEdit(main, "hy_zhje", 10);
    auto* money = new QDoubleValidator(-99999999.99, 999999999.99, 2, hy_zhje);
    money->setNotation(QDoubleValidator::StandardNotation);
    hy_zhje->setValidator(money);
    f->addRow(QStringLiteral("储值金额："), hy_zhje);
    chkStatus = new QCheckBox(QStringLiteral("启用该会员卡"), main);
    chkSj = new QCheckBox(QStringLiteral("该会员卡按积分自动升级"), main);
    f->addRow(chkStatus);
    f->addRow(chkSj);
    auto* expiry = new QHBoxLayout;
    chkQx = new QCheckBox(QStringLiteral("该会员有失效日期"), main);
    hy_dqrq = DateBox(main, "hy_dqrq");
    expiry->addWidget(chkQx);
    expiry->addWidget(hy_dqrq);
    f->addRow(expiry);
    columns->addWidget(main);

    auto* extra = new QGroupBox(QStringLiteral("会员附加信息(可选)"), this);
    auto* g = new QFormLayout(extra);
    comSex = new QComboBox(extra);
    comSex->setObjectName(QStringLiteral("comSex"));
    comSex->addItems({ QStringLiteral("男"), QStringLiteral("女") });
    g->addRow(QStringLiteral("性　　别："), comSex);
    hy_sr = DateBox(extra, "hy_sr");
    g->addRow(QStringLiteral("会员生日："), hy_sr);
    hy_jrrq = DateBox(extra, "hy_jrrq");
    g->addRow(QStringLiteral("入会日期："), hy_jrrq);
    hy_mobile = DigitsEdit(extra, "hy_mobile", 16);
    g->addRow(QStringLiteral("手机号码："), hy_mobile);
    hy_tele = DigitsEdit(extra, "hy_tele", 32);
    g->addRow(QStringLiteral("联系电话："), hy_tele);
    hy_zjlx = NamedEdit(extra, "hy_zjlx", 64);
    g->addRow(QStringLiteral("证件类型："), hy_zjlx);
    hy_zjhm = NamedEdit(extra, "hy_zjhm", 64);
    g->addRow(QStringLiteral("证件号码："), hy_zjhm);
    hy_email = NamedEdit(extra, "hy_email", 64);
    g->addRow(QStringLiteral("电子邮箱："), hy_email);
    hy_address = NamedEdit(extra, "hy_address", 64);
    g->addRow(QStringLiteral("联系地址："), hy_address);
    hy_dwzy = NamedEdit(extra, "hy_dwzy", 64);
    g->addRow(QStringLiteral("单位职业："), hy_dwzy);
    hy_qtxx = NamedEdit(extra, "hy_qtxx", 64);
    g->addRow(QStringLiteral("其他信息："), hy_qtxx);
    hy_note = NamedEdit(extra, "hy_note", 64);
    g->addRow(QStringLiteral("备注信息："), hy_note);
    auto* pic = new QHBoxLayout;
    tpic = NamedEdit(extra, "tpic", 100);
    tpic->setReadOnly(true);
    btnPic = new QPushButton(QStringLiteral("操作"), extra);
    auto* menu = new QMenu(btnPic);
    menu->addAction(QStringLiteral("拍照(&X)"), this, [this] { miCameraClick(); });
    menu->addAction(QStringLiteral("浏览(&Y)"), this, [this] { miBrowseClick(); });
    menu->addAction(QStringLiteral("清除(&Z)"), this, [this] { miClearClick(); });
    btnPic->setMenu(menu);
    pic->addWidget(tpic, 1);
    pic->addWidget(btnPic);
    g->addRow(QStringLiteral("会员照片："), pic);
    Image_Pic = new QLabel(extra);
    Image_Pic->setObjectName(QStringLiteral("Image_Pic"));
    Image_Pic->setFixedSize(120, 140);
    Image_Pic->setFrameShape(QFrame::Box);
    Image_Pic->setScaledContents(true);
    g->addRow(Image_Pic);
    columns->addWidget(extra);
    box->addLayout(columns);
    AddDialogButtons(box, this, QStringLiteral("保存(F5)"), QStringLiteral("退出(Esc)"), [this] { btnSaveClick(); });

    connect(chkQx, &QCheckBox::toggled, this, [this] { chkQxClick(); });
    connect(chkSj, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            LevelByPoints();
    });
    connect(hy_jf, &QLineEdit::textChanged, this, [this] { LevelByPoints(); });
}

void MemberRecordDialog::SelectLevel(const QString& levelSn)
{
    const bool was = activating_;
    activating_ = true;
    SelectCode(comHyfl, levelSn);
    activating_ = was;
}

void MemberRecordDialog::FormActivate()
{
    if (FontSize > 0)
        ApplyFontSize(FontSize);
    activating_ = true;
    FillCombo(
        *comHyyh, QStringLiteral("jxc_hyyh"), QStringLiteral("hh_name"), QStringLiteral("hh_sn"), QStringLiteral("id"));
    FillCombo(
        *comHyfl, QStringLiteral("jxc_hyfl"), QStringLiteral("hl_name"), QStringLiteral("hl_sn"), QStringLiteral("id"));
    const QDate today = Clock::Today();
    hy_mm->clear();
    hy_mm1->clear();
    hy_dqrq->setDate(today.addMonths(12));
    chkQx->setChecked(false);
    hy_dqrq->setEnabled(false);
    for (QLineEdit* e : { hy_mobile, hy_tele, hy_zjlx, hy_zjhm, hy_email, hy_address, hy_dwzy, hy_qtxx, hy_note })
        e->clear();
    cameraPhoto_.clear();
    tpic->clear();
    Image_Pic->clear();
    if (adding_) {
        hy_bh->clear();
        hy_name->clear();
        comHyyh->setCurrentIndex(comHyyh->count() > 0 ? 0 : -1);
        comHyfl->setCurrentIndex(comHyfl->count() > 0 ? 0 : -1);
        hy_jf->setText(QStringLiteral("0"));
        hy_zhje->setText(QStringLiteral("0"));
        chkStatus->setChecked(true);
        chkSj->setChecked(true);
        hy_sr->setDate(today.addMonths(-360));
        hy_jrrq->setDate(today);
        comSex->setCurrentIndex(0);
        if (chkSj->isChecked()) {
            const QString low = ScalarBound(QStringLiteral("select hl_jfxx from jxc_hyfl where hl_sn=:sn"),
                { { QStringLiteral("sn"), CurrentCode(comHyfl) } });
            hy_jf->setText(low.isEmpty() ? QStringLiteral("0") : QString::number(qint64(low.toDouble())));
        }
    } else {
        Query& q = RegisterList();
        memberSn_ = q.AsString(QStringLiteral("hy_sn"));
        memberId_ = q.AsInteger(QStringLiteral("id"));
        hy_bh->setText(q.AsString(QStringLiteral("hy_bh")));
        hy_name->setText(q.AsString(QStringLiteral("hy_name")));
        hy_jf->setText(QString::number(qint64(q.AsFloat(QStringLiteral("hy_jf")))));
        hy_zhje->setText(NumberText(q.AsFloat(QStringLiteral("hy_zhje"))));
        chkStatus->setChecked(q.FieldByName(QStringLiteral("hy_status")).AsBoolean());
        chkSj->setChecked(q.FieldByName(QStringLiteral("hy_sj")).AsBoolean());
        comHyyh->setCurrentIndex(comHyyh->findText(q.AsString(QStringLiteral("hh_name"))));
        comHyfl->setCurrentIndex(comHyfl->findText(q.AsString(QStringLiteral("hl_name"))));
        if (q.FieldByName(QStringLiteral("hy_qx")).AsBoolean()) {
            const QDate d = QDate::fromString(q.AsString(QStringLiteral("hy_dqrq")), QStringLiteral("yyyy-MM-dd"));
            if (d.isValid())
                hy_dqrq->setDate(d);
            chkQx->setChecked(true);
            hy_dqrq->setEnabled(true);
        }
        const QDate birthday = QDate::fromString(q.AsString(QStringLiteral("hy_sr")), QStringLiteral("yyyy-MM-dd"));
        if (birthday.isValid())
            hy_sr->setDate(birthday);
        const QDate joined = QDate::fromString(q.AsString(QStringLiteral("hy_jrrq")), QStringLiteral("yyyy-MM-dd"));
        hy_jrrq->setDate(joined.isValid() ? joined : today);
        comSex->setCurrentIndex(qMax(0, comSex->findText(q.AsString(QStringLiteral("hy_sex")))));
        hy_mobile->setText(q.AsString(QStringLiteral("hy_mobile")));
        hy_tele->setText(q.AsString(QStringLiteral("hy_tele")));
        hy_zjlx->setText(q.AsString(QStringLiteral("hy_zjlx")));
        hy_zjhm->setText(q.AsString(QStringLiteral("hy_zjhm")));
        hy_email->setText(q.AsString(QStringLiteral("hy_email")));
        hy_address->setText(q.AsString(QStringLiteral("hy_address")));
        hy_dwzy->setText(q.AsString(QStringLiteral("hy_dwzy")));
        hy_qtxx->setText(q.AsString(QStringLiteral("hy_qtxx")));
        hy_note->setText(q.AsString(QStringLiteral("hy_note")));
        for (QLineEdit* e : { hy_jf, hy_zhje, hy_bh })
            e->setReadOnly(true);
        hy_jrrq->setReadOnly(true);
        const QString photo = MemberPhotoFile(memberSn_);
        if (QFile::exists(photo))
            ShowPicture(photo);
    }
    activating_ = false;
    hy_bh->setFocus();
}

MemberEntry MemberRecordDialog::Entry() const
{
    MemberEntry e;
    e.card = hy_bh->text();
    e.name = hy_name->text();
    e.password = hy_mm->text();
    e.confirm = hy_mm1->text();
    e.points = hy_jf->text().trimmed().toLongLong();
    e.stored = hy_zhje->text().trimmed().toDouble();
    e.levelSn = CurrentCode(comHyfl);
    e.methodSn = CurrentCode(comHyyh);
    e.usable = chkStatus->isChecked();
    e.autoLevel = chkSj->isChecked();
    e.expires = chkQx->isChecked();
    e.expiry = hy_dqrq->date();
    e.birthday = hy_sr->date();
    e.joined = hy_jrrq->date();
    e.sex = comSex->currentText();
    e.tele = hy_tele->text();
    e.mobile = hy_mobile->text();
    e.email = hy_email->text();
    e.idType = hy_zjlx->text();
    e.idNumber = hy_zjhm->text();
    e.employer = hy_dwzy->text();
    e.address = hy_address->text();
    e.other = hy_qtxx->text();
    e.note = hy_note->text();
    return e;
}

void MemberRecordDialog::LevelByPoints()
{
    if (activating_ || !chkSj->isChecked())
        return;
    const QString level = LevelHoldingPoints(hy_jf->text().trimmed().toLongLong());
    if (level.isEmpty()) {
        Prompt::Info(QStringLiteral("会员卡级别设置有误，会员卡升级没有成功！"));
        hy_jf->setFocus();
        return;
    }
    if (level != CurrentCode(comHyfl))
        SelectLevel(level);
}

void MemberRecordDialog::chkQxClick()
{
    hy_dqrq->setEnabled(chkQx->isChecked());
}

void MemberRecordDialog::btnSaveClick()
{
    const MemberEntry e = Entry();
    const QString refusal = MemberEntryRefusal(e, adding_ ? QString() : memberSn_);
    if (!refusal.isEmpty()) {
        Prompt::Info(refusal);
        return;
    }
    if (adding_)
        SaveAdd(e);
    else
        SaveModi(e);
}

void MemberRecordDialog::SaveAdd(const MemberEntry& e)
{
    const QString sn = AppendMember(e);
    const QString photoName = QStringLiteral("HY") + sn + QStringLiteral(".jpg");
    try {
        if (!tpic->text().isEmpty())
            StorePictureFile(tpic->text(), photoName);
        if (!cameraPhoto_.isEmpty()) {
            StorePictureFile(PictureFilePath(QStringLiteral("jxc.jpg")), photoName);
            QFile::remove(PictureFilePath(QStringLiteral("jxc.jpg")));
        }
    } catch (const std::exception& ex) {
        Prompt::Info(QString::fromUtf8(ex.what()));
    }
    if (std::llround(e.stored * 100) > 0) {
        ActiveDocKind = sn;
        AuxTag = e.name.trimmed();
        SelectedLineId = e.methodSn;
        OpenMode = NumberText(e.stored);
        if (!F_Hygl_Sf)
            F_Hygl_Sf = new TF_Hygl_Sf;
        F_Hygl_Sf->Prepare(e.stored, true);
        Prompt::ShowModal(F_Hygl_Sf);
        delete F_Hygl_Sf;
        F_Hygl_Sf = nullptr;
        ActiveDocKind.clear();
        AuxTag.clear();
        if (OpenMode != QLatin1String("1")) {
            // Unpaid: the member is taken back so that the entries can be saved again.
            OpenMode.clear();
            RemoveAppendedMember(sn);
            return;
        }
        OpenMode.clear();
        ApplyOpeningPoints(sn, e.stored, LevelForEntry(e), e.autoLevel);
    }
    PickerCaller = QStringLiteral("ok");

    const QString mobile = ToFullWidthText(e.mobile);
    if (std::llround(e.stored * 100) > 0 && IsTrue(UseSms) && !mobile.isEmpty()) {
        const QString stored = NumberText(e.stored);
        const QString points = QString::number(e.points);
        const QString text = SignedSms(FillSmsTemplate(SmsTopUpText,
            { { QStringLiteral("{hyname}"), ToFullWidthText(e.name.trimmed()) },
                { QStringLiteral("{hybh}"), ToFullWidthText(e.card.trimmed()) },
                { QStringLiteral("{hysr}"), e.birthday.toString(QStringLiteral("yyyy-MM-dd")) },
                { QStringLiteral("{czje}"), stored }, { QStringLiteral("{bcjf}"), points },
                { QStringLiteral("{czkje}"), stored }, { QStringLiteral("{zjf}"), points } }));
        SmsAction sms;
        const QString sentAt = SmsTimeNow();
        sms.Send(text, mobile);
        LogMemberSms(NextSmsNumber(), sn, mobile, sentAt, text);
        sms.Report();
    }
    WriteLog(QStringLiteral("新添加会员：") + ToFullWidthText(e.card.trimmed()));
    accept();
}

void MemberRecordDialog::SaveModi(const MemberEntry& e)
{
    try {
        if (!tpic->text().isEmpty())
            StorePictureFile(tpic->text(), QStringLiteral("HY") + memberSn_ + QStringLiteral(".jpg"));
    } catch (const std::exception& ex) {
        Prompt::Info(QString::fromUtf8(ex.what()));
    }
    UpdateMember(memberId_, e);
    Query& q = RegisterList();
    if (q.Active()) {
        q.Requery();
        q.LocateId(memberId_);
    }
    WriteLog(QStringLiteral("更新会员信息：") + ToFullWidthText(e.card.trimmed()));
    accept();
}

void MemberRecordDialog::ShowPicture(const QString& file)
{
    QPixmap p;
    if (p.load(file))
        Image_Pic->setPixmap(p);
    else
        Image_Pic->clear();
}

void MemberRecordDialog::miBrowseClick()
{
    const QString file = Prompt::OpenFile(QStringLiteral("会员照片"), QStringLiteral("图片 (*.bmp *.jpg *.png)"));
    if (file.isEmpty())
        return;
    tpic->setText(file);
    ShowPicture(file);
    cameraPhoto_.clear();
}

void MemberRecordDialog::miCameraClick()
{
    PictureName = adding_ ? QStringLiteral("jxc") : QStringLiteral("HY") + memberSn_;
    ResultText.clear();
    auto* camera = new TF_Spxxgl_Pic(this);
    Prompt::ShowModal(camera);
    delete camera;
    PictureName.clear();
    if (!ResultText.isEmpty()) {
        ShowPicture(ResultText);
        cameraPhoto_ = adding_ ? QStringLiteral("jxc.jpg") : QStringLiteral("HY") + memberSn_ + QStringLiteral(".jpg");
    } else {
        Image_Pic->clear();
    }
    ResultText.clear();
}

void MemberRecordDialog::miClearClick()
{
    const QString file
        = adding_ ? (cameraPhoto_.isEmpty() ? QString() : PictureFilePath(cameraPhoto_)) : MemberPhotoFile(memberSn_);
    if (!file.isEmpty() && QFile::exists(file)) {
        if (Prompt::YesNo(QStringLiteral("您确定要删除当前会员的照片吗？")) != Prompt::Answer::Yes)
            return;
        QFile::remove(file);
        cameraPhoto_.clear();
    }
    Image_Pic->clear();
    tpic->clear();
}

TF_Hygl_Add::TF_Hygl_Add(QWidget* parent)
    : MemberRecordDialog(QStringLiteral("TF_Hygl_Add"), QStringLiteral("增加会员信息"), true, parent)
{
}

TF_Hygl_Modi::TF_Hygl_Modi(QWidget* parent)
    : MemberRecordDialog(QStringLiteral("TF_Hygl_Modi"), QStringLiteral("修改会员信息"), false, parent)
{
}
