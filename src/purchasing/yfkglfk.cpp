#include "purchasing/yfkglfk.h"

#include "foundation/globals.h"

TF_Yfkgl_Fk::TF_Yfkgl_Fk(QWidget* parent)
    : DocMoneyForm({ "TF_Yfkgl_Fk", "单据付款", "供货商：", "当前应付款：",
                       { "应付金额：", "实付金额：", "已付金额：", "付款金额：" }, "付款账户：", "付款日期：",
                       "注：超出本单据应付金额部分，将计入该供货商的应付账款，\r该供货商的应付款将减少。",
                       "付款不能为0！", "ghs", true },
        parent)
{
}

void TF_Yfkgl_Fk::FormActivate()
{
    DocMoneyForm::FormActivate();
    CurrentSupplierSn = partnerSn_;
}
