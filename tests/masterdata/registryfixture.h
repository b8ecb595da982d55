#pragma once
#include "support/accountset.h"

#include "platform/report/report.h"
#include "platform/report/reportpreview.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Warehouses, staff and departments: an account set with the seed rows, helpers that
// add the rows a case is about, and the texts of the next list print.
class RegistryTest : public AccountSetTest {
protected:
    QString Scalar(const QString& sql) { return QueryScalar(sql); }
    void AddOperator(const QString& code, const QString& name, const QString& role)
    {
        ExecSQL(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn,a_jyt) values ('%1','%2','%3',0)")
                    .arg(code, name, role));
    }
    void AddWarehouseRow(const QString& code, const QString& name, const QString& asn = QString(),
        bool isDefault = false, bool pos = false)
    {
        ExecSQL(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name,ck_jm,ck_asn,ck_aname,ck_default,ck_pos) "
                               "values ('%1','%2','','%3','',%4,%5)")
                    .arg(code, name, asn)
                    .arg(isDefault ? 1 : 0)
                    .arg(pos ? 1 : 0));
    }
    void AddStaff(const QString& code, const QString& name, const QString& flags = QStringLiteral("111"),
        bool disabled = false, const QString& warehouse = QStringLiteral("-1"))
    {
        ExecSQL(QStringLiteral("insert into jxc_user (u_sn,u_name,u_jm,u_cg,u_xs,u_kc,u_jy,ck_sn,ck_name,u_tc,u_tcfs,"
                               "u_zdlr,u_cgpl,u_xspl) values ('%1','%2','',%3,%4,%5,%6,'%7','',0,0,0,0,0)")
                    .arg(code, name)
                    .arg(flags[0])
                    .arg(flags[1])
                    .arg(flags[2])
                    .arg(disabled ? 1 : 0)
                    .arg(warehouse));
    }
    // Copies the delivered template into the program folder and records the texts
    // of the next preview.
    void CapturePrint(const QString& templateFile)
    {
        const QString source
            = QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources/report/" + templateFile);
        QDir().mkpath(Folder() + "report");
        QFile::remove(Folder() + "report/" + templateFile);
        ASSERT_TRUE(QFile::copy(source, Folder() + "report/" + templateFile));
        printed.clear();
        prompt.OnModal("ReportPreview", [this](QDialog* d) {
            Report* r = static_cast<ReportPreview*>(d)->GetReport();
            for (const PreparedPage& p : r->Pages().pages)
                for (const PreparedItem& i : p.items)
                    printed << i.text;
            return 0;
        });
    }
    QStringList printed;
};
